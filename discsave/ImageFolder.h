#pragma once

#include "core/Reason.h"

#include <string>
#include <string_view>

/// Where a saved disc is written: a hidden working folder inside the folder chosen for it,
/// which on success takes the disc's name there and otherwise goes with everything in it, so
/// that nothing half-written is ever left behind that looks like a saved disc.
class ImageFolder {
public:
    /// Longest name made by safeName, in bytes: a name with " (999)" or ".flac" after it still
    /// fits every Linux file system's 255.
    static constexpr std::size_t MaxNameBytes = 200;

    ImageFolder() = default;
    /// Unkept, the working folder goes.
    ~ImageFolder();
    ImageFolder(const ImageFolder&) = delete;
    ImageFolder& operator=(const ImageFolder&) = delete;

    /// Makes the working folder inside `parent`, which must exist.
    bool create(const std::string& parent);
    /// Writes a small file (a cue sheet, a log) into the working folder and makes it durable.
    bool writeFile(std::string_view name, std::string_view contents);
    /// Gives the working folder the name `name` in the parent, or `name (2)`, `name (3)` and so
    /// on, whichever is free: never replacing anything. Once renamed, the folder is kept even
    /// if making its new name durable fails; path() says where it is.
    bool keep(const std::string& name);
    /// Removes the working folder and everything in it.
    bool discard();

    /// The working folder, where the files are written; after keep(), where it now is.
    const std::string& path() const { return m_path; }
    std::string error() const { return m_reason.english(); }
    const Reason& reason() const { return m_reason; }

    /// A file or folder name made from a performer or title: one line of UTF-8 with no `/`, no
    /// straight double quote, no leading dot, at most MaxNameBytes; never empty, `.` or `..`.
    static std::string safeName(std::string_view text);

private:
    bool fail(const Reason& reason);

    std::string m_parent;
    std::string m_path;
    Reason m_reason;
    bool m_kept = false;
};
