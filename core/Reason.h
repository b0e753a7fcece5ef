#pragma once

#include <functional>
#include <string>
#include <vector>

// The texts of reasons are marked for the translators where they are written.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

/// A reason the user reads: an English text with %1 to %9 filled by parts that are reasons of
/// their own or words said as they are (a path, a drive, the system's own error message). Kept
/// apart until it is shown, so that it is said whole in the listener's language: the translator
/// joins the parts, not a fixed ": ". The texts are found under the context "Reason".
class Reason {
public:
    Reason() = default;
    /// `text` as marked with QT_TRANSLATE_NOOP("Reason", ...); it lives as long as the program.
    explicit Reason(const char* text, std::vector<Reason> parts = {});
    /// Words said as they are, never translated.
    static Reason verbatim(std::string words);

    bool empty() const { return !m_text && m_words.empty(); }
    /// As logs and tests read it.
    std::string english() const;
    /// In the listener's language: `translate` gives the words for an English text.
    std::string said(const std::function<std::string(const char* english)>& translate) const;

private:
    const char* m_text = nullptr;
    std::string m_words;
    std::vector<Reason> m_parts;
};
