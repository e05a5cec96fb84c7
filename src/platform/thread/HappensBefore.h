#pragma once
// Tells ThreadSanitizer of an order between threads that runs through something it cannot
// see, such as Qt's event queue (whose locks are not instrumented): what a thread did
// before HappensBefore(key) happens before what another thread does after
// HappensAfter(key) with the same key (the address of the thing handed over). Both compile
// to nothing in other builds.
#if defined(__SANITIZE_THREAD__)
#define Q7K_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define Q7K_THREAD_SANITIZER 1
#endif
#endif

#ifdef Q7K_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>

inline void HappensBefore(const void* key) { __tsan_release(const_cast<void*>(key)); }
inline void HappensAfter(const void* key) { __tsan_acquire(const_cast<void*>(key)); }
#else
inline void HappensBefore(const void*) {}
inline void HappensAfter(const void*) {}
#endif
