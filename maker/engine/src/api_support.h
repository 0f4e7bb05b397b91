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

namespace radezuvi {

// Runs body and turns an escaping exception into the result `failed`.
template <typename Body, typename Result> Result guarded(Body&& body, Result failed) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return failed;
    } catch (const std::system_error&) {
        return failed;
    }
}

// Calls body with the task of a handle; RADEZUVI_ERR_HANDLE when it names no live task.
template <typename Body> std::int32_t withTask(Radezuvi_Handle handle, Body&& body) {
    return guarded(
        [&]() -> std::int32_t {
            const auto task = Engine::instance().find(handle);
            return task ? body(*task) : RADEZUVI_ERR_HANDLE;
        },
        std::int32_t{RADEZUVI_ERR_RESOURCE});
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
