#pragma once
// Paths as text and back, always in UTF-8: a folder whose name holds Chinese
// characters keeps them in messages and options on Windows (whose paths are
// wide) as on Linux, without a narrow code page in between.

#include <filesystem>
#include <string>
#include <string_view>

namespace mervadin {

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace mervadin
