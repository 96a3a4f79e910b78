#pragma once
// A long text file's lines without the file in memory: where each line
// starts is found once (eight bytes a line), and a line's bytes are read
// from the file when asked for, a block of neighbouring lines at a time.
// Lines end as ForEachLine ends them (CR, LF or CR LF; a last line without
// an end counts). The file is opened only while it is read, so that it can
// be replaced meanwhile: when a block is read from a file that changed since
// it was indexed, it is indexed again first, and TakeChanged tells so once.

#include "files/file_error.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mervadin {

class LineIndex {
public:
    // Lines read at once around the one asked for, and at most this many
    // bytes of them (a longer line is shown cut there).
    static constexpr std::size_t kBlockLines = 256;
    static constexpr std::size_t kMaxBlockBytes = std::size_t{1} << 20;

    // Finds the lines of `path`. Throws FileError (and keeps what it had)
    // when it is missing, not a regular file or cannot be read.
    void Index(const std::filesystem::path& path);
    // No file, no lines.
    void Clear();

    std::size_t Count() const { return starts_.size(); }
    // Line `index` without its end (empty past the last line); valid until
    // the next call. Throws FileError when the file cannot be read.
    std::string_view Line(std::size_t index);

    // Whether the file's size or time differ from those indexed.
    bool Stale() const;
    // Whether a read found the file changed and indexed it again, since the
    // last time this was asked.
    bool TakeChanged() { return std::exchange(changed_, false); }

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const std::filesystem::path& path);
    std::uint64_t EndOf(std::size_t index) const; // where the next line starts
    void ReadBlock(std::size_t first);

    std::filesystem::path path_;
    Stamp stamp_;
    std::vector<std::uint64_t> starts_;
    std::size_t blockFirst_ = 0;
    std::vector<std::string_view> block_; // lines blockFirst_ ... into blockBytes_
    std::string blockBytes_;
    bool changed_ = false;
};

} // namespace mervadin
