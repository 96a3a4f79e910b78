#include "common/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace mervadin {

namespace fs = std::filesystem;

FileError::FileError(const fs::path& path, const std::string& what)
    : std::runtime_error(path.string() + ": " + what), path_(path) {}

Lines SplitLines(std::string_view text) {
    Lines lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ReadFileBytes(const fs::path& path) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored))
        throw FileError(path, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path, std::string("cannot open file: ") + std::strerror(errno));
    try {
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            throw FileError(path, "read error");
        return bytes;
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (EIO, ...) this way.
        throw FileError(path, std::string("read error: ") + std::strerror(errno));
    }
}

namespace {

fs::path TemporaryNameBeside(const fs::path& path) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    auto name = path.filename().string();
    return path.parent_path() / ("." + name + ".tmp" + std::to_string(random() % 1000000000));
}

} // namespace

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path temporary = TemporaryNameBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw FileError(path, std::string("cannot write file: ") + std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw FileError(path, "write error (disk full?)");
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(path, "cannot replace file: " + error.message());
    }
}

Lines ReadLines(const fs::path& path) { return SplitLines(ReadFileBytes(path)); }

void WriteLines(const fs::path& path, const Lines& lines) {
    WriteFileAtomically(path, JoinLines(lines));
}

} // namespace mervadin
