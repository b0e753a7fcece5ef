#include "discsave/ImageFolder.h"

#include "discsave/FileError.h"
#include "discsave/PlainText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Makes what was written into `path` durable; folders too, so a rename into them lasts.
int syncPath(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return synced;
}

/// Renames `from` to `to` unless `to` exists. File systems without an exclusive rename
/// (network shares among them) get the same from claiming `to` as an empty folder first: a
/// folder replaces only an empty one.
int renameExclusively(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::mkdir(to.c_str(), 0777) != 0)
        return errno;
    if (::rename(from.c_str(), to.c_str()) == 0)
        return 0;
    const int failed = errno;
    ::rmdir(to.c_str());
    return failed == ENOTEMPTY ? EEXIST : failed;
}

} // namespace

ImageFolder::~ImageFolder()
{
    discard();
}

bool ImageFolder::create(const std::string& parent)
{
    if (!m_path.empty())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the working folder was made twice")));
    // Not mkdtemp: its folder is private to the user, and the kept folder must get the
    // permissions any new folder gets.
    static constexpr char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = parent + "/.spindella-";
        for (int n = 0; n < 6; ++n)
            path += Letters[random() % (sizeof Letters - 1)];
        if (::mkdir(path.c_str(), 0777) == 0) {
            m_parent = parent;
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "cannot make a folder in %1: %2"),
                               {Reason::verbatim(parent), FileError::describe(errno)}));
    }
    return fail(
        Reason(QT_TRANSLATE_NOOP("Reason", "cannot make a folder in %1: every name tried is taken"),
               {Reason::verbatim(parent)}));
}

bool ImageFolder::writeFile(std::string_view name, std::string_view contents)
{
    if (m_path.empty() || m_kept)
        return fail(
            Reason(QT_TRANSLATE_NOOP("Reason", "there is no working folder to write into")));
    if (name.empty() || name.find('/') != std::string_view::npos)
        return fail(
            Reason(QT_TRANSLATE_NOOP("Reason", "a file's name must be one name, not a path")));
    const std::string path = m_path + '/' + std::string(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(FileError::describe(errno));
    int failed = 0;
    while (!contents.empty() && failed == 0) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written > 0)
            contents.remove_prefix(std::size_t(written));
        else if (written == 0 || errno != EINTR)
            failed = written == 0 ? ENOSPC : errno;
    }
    if (failed == 0 && ::fsync(fd) != 0)
        failed = errno;
    if (::close(fd) != 0 && failed == 0)
        failed = errno;
    return failed == 0 || fail(FileError::describe(failed));
}

bool ImageFolder::keep(const std::string& name)
{
    if (m_path.empty() || m_kept)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "there is no working folder to keep")));
    if (name != safeName(name))
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot name a folder"),
                           {Reason::verbatim(name)}));
    if (const int failed = syncPath(m_path); failed != 0)
        return fail(FileError::describe(failed));
    for (int copy = 1; copy < 1000; ++copy) {
        const std::string target =
            m_parent + '/' + name + (copy == 1 ? "" : " (" + std::to_string(copy) + ")");
        const int failed = renameExclusively(m_path, target);
        if (failed == EEXIST)
            continue;
        if (failed != 0)
            return fail(FileError::describe(failed));
        m_path = target;
        m_kept = true;
        // The new name itself lasts once the parent is on the disk.
        if (const int unsynced = syncPath(m_parent); unsynced != 0)
            return fail(FileError::describe(unsynced));
        return true;
    }
    return fail(Reason(QT_TRANSLATE_NOOP("Reason", "there are already 999 copies of %1"),
                       {Reason::verbatim(name)}));
}

bool ImageFolder::discard()
{
    if (m_path.empty() || m_kept)
        return true;
    std::error_code failed;
    std::filesystem::remove_all(m_path, failed);
    if (failed)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "cannot remove %1: %2"),
                           {Reason::verbatim(m_path), Reason::verbatim(failed.message())}));
    m_path.clear();
    return true;
}

bool ImageFolder::fail(const Reason& reason)
{
    if (m_reason.empty())
        m_reason = reason;
    return false;
}

std::string ImageFolder::safeName(std::string_view text)
{
    std::string name = PlainText::curlyQuotes(PlainText::oneLine(text));
    // What FAT, exFAT and SMB shares refuse, as a rip is copied to a stick or a share.
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':')
            c = '-';
        else if (c == '*' || c == '?' || c == '<' || c == '>' || c == '|')
            c = '_';
    }
    for (char& c : name) {
        if (c != '.')
            break;
        c = '_';
    }
    name = PlainText::cut(name, MaxNameBytes);
    // Windows drops a name's trailing dots and spaces, so two rips could end up as one.
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name.empty() ? "untitled" : name;
}
