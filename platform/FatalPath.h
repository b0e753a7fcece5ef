#pragma once

#include <exception>
#include <functional>
#include <string>

/// The program's single way out on a failure nobody handled: say what failed, then end with a
/// non-zero status. How it says it and how it ends are injected, so a test can watch both.
class FatalPath {
public:
    static constexpr int ExitStatus = 1;

    using Report = std::function<void(const std::string& message)>;
    using End = std::function<void(int status)>;

    FatalPath(Report report, End end);

    /// Reports and ends. A failure while the first report is still showing ends at once.
    void fail(const std::string& message);

    /// The message for the exception in flight or captured in `error`.
    static std::string describe(const std::exception_ptr& error);

private:
    Report m_report;
    End m_end;
    bool m_failing = false;
};
