#pragma once
// What the fuzz targets share: the input as bytes and as text.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace mervadin::fuzz {

inline std::span<const std::uint8_t> Bytes(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run with a report when a property does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)

} // namespace mervadin::fuzz
