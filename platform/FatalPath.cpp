#include "platform/FatalPath.h"

#include <cstdio>
#include <utility>

FatalPath::FatalPath(Report report, End end) : m_report(std::move(report)), m_end(std::move(end)) {}

void FatalPath::fail(const std::string& message)
{
    std::fprintf(stderr, "Spindella: fatal error: %s\n", message.c_str());
    std::fflush(stderr);
    if (!m_failing) {
        m_failing = true;
        m_report(message);
    }
    m_end(ExitStatus);
}

std::string FatalPath::describe(const std::exception_ptr& error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
    }
    return "Unknown error";
}
