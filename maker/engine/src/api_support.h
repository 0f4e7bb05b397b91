// Shared plumbing of the C functions: find the task behind a handle and keep C++ exceptions
// from crossing the C boundary.
#pragma once

#include "engine.h"
#include "radezuvi_engine.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <system_error>
#include <utility>

namespace radezuvi {

// Runs body and turns any escaping exception into a result: outOfMemory for std::bad_alloc and
// for a thread the system refused, internal for anything else. No exception crosses the C
// boundary.
template <typename Body, typename Result>
Result guarded(Body&& body, Result outOfMemory, Result internal) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return outOfMemory;
    } catch (const std::system_error&) {
        return outOfMemory;
    } catch (...) {
        return internal;
    }
}

// The same for results that have a single failed value (a handle 0, a null list).
template <typename Body, typename Result> Result guarded(Body&& body, Result failed) noexcept {
    return guarded(std::forward<Body>(body), failed, failed);
}

// The same for functions that return 0 or a negative RADEZUVI_ERR_ code.
template <typename Body> std::int32_t guardedCode(Body&& body) noexcept {
    return guarded(std::forward<Body>(body), std::int32_t{RADEZUVI_ERR_RESOURCE},
                   std::int32_t{RADEZUVI_ERR_INTERNAL});
}

// Calls body with the task of a handle; RADEZUVI_ERR_HANDLE when it names no live task.
template <typename Body> std::int32_t withTask(Radezuvi_Handle handle, Body&& body) {
    return guardedCode([&]() -> std::int32_t {
        const auto task = Engine::instance().find(handle);
        return task ? body(*task) : RADEZUVI_ERR_HANDLE;
    });
}

// Copies text into a caller's buffer, cut to size - 1 bytes and terminated, so the caller may
// also terminate it at the returned length; RADEZUVI_ERR_ARGUMENT without a buffer.
inline std::int32_t copyText(std::string_view text, char* buffer, std::int32_t size) {
    if (!buffer || size <= 0) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<std::int32_t>(length);
}

} // namespace radezuvi
