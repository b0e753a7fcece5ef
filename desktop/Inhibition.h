#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

/// One hold on something the desktop would do by itself (blank the screen, go to sleep), taken
/// while it is wanted. Taking it is asynchronous: whatever happens while the desktop is
/// answering, at most one hold is ever taken, and a hold that comes back unwanted is let go at
/// once.
class Inhibition {
public:
    /// What the desktop handed out: a screen-saver cookie or a lock's file descriptor, or a
    /// portal request to close.
    struct Hold {
        std::uint32_t cookie = 0;
        std::string request;
        friend bool operator==(const Hold&, const Hold&) = default;
    };

    class Service {
    public:
        virtual ~Service() = default;
        /// Asks for a hold; the answer comes back through Inhibition::answered().
        virtual void inhibit() = 0;
        virtual void release(const Hold& hold) = 0;
    };

    explicit Inhibition(Service& service) : m_service(service) {}

    void setWanted(bool wanted);
    /// The answer to inhibit(): nothing when the desktop refused or has no such service.
    void answered(const std::optional<Hold>& hold);

    bool isHeld() const { return m_hold.has_value(); }
    /// Hands back whatever is held, for the program's end.
    std::optional<Hold> take();

private:
    void settle();

    Service& m_service;
    bool m_wanted = false;
    bool m_asking = false;
    bool m_refused = false;
    std::optional<Hold> m_hold;
};
