#pragma once
// Paths and Qt's strings, converted through UTF-16 rather than a narrow code
// page: a folder whose name holds Chinese characters stays whole on Windows
// as on Linux.

#include <QString>

#include <filesystem>

namespace mervadin {

inline std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

inline QString TextOf(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace mervadin
