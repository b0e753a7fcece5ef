#pragma once

// Work passes between the interface thread and the disc worker through Qt's event queue, whose
// locks ThreadSanitizer cannot see. These mark each hand-off on a shared channel so that it can,
// and it still checks every access in between. They compile to nothing elsewhere.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace ThreadHandOff {

/// Before handing work to the other thread.
inline void release([[maybe_unused]] const void* channel)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void*>(channel));
#endif
}

/// On taking work over from the other thread.
inline void acquire([[maybe_unused]] const void* channel)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void*>(channel));
#endif
}

} // namespace ThreadHandOff
