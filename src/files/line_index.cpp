#include "files/line_index.h"

#include "files/file_read.h"

#include <algorithm>
#include <cstring>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

// The starts of the lines of a file, read a piece at a time. A CR ends a
// line at once; an LF right after it only moves that line's end over it.
class LineStarts {
public:
    explicit LineStarts(std::vector<std::uint64_t>& starts) : starts_(starts) {}

    void Scan(std::string_view piece) {
        const char* at = piece.data();
        const std::size_t size = piece.size();
        if (size && offset_ == 0)
            starts_.push_back(0);
        const char* const end = at + size;
        const char* const base = at;
        for (;;) {
            const char* cr = Find(at, end, '\r');
            const char* lf = Find(at, end, '\n');
            const char* next = std::min(cr, lf);
            if (next == end)
                break;
            const std::uint64_t where = offset_ + static_cast<std::uint64_t>(next - base);
            if (*next == '\n' && where == afterCr_)
                starts_.back() = where + 1;
            else
                starts_.push_back(where + 1);
            if (*next == '\r')
                afterCr_ = where + 1;
            at = next + 1;
        }
        offset_ += size;
    }
    // A text that ends with a line end has no empty line after it.
    void Finish() {
        if (!starts_.empty() && starts_.back() == offset_)
            starts_.pop_back();
    }

private:
    static const char* Find(const char* at, const char* end, char c) {
        const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
        return found ? static_cast<const char*>(found) : end;
    }

    std::vector<std::uint64_t>& starts_;
    std::uint64_t offset_ = 0;
    std::uint64_t afterCr_ = UINT64_MAX; // the offset right after the last CR
};

// A line's bytes without the CR, LF or CR LF that ends it.
std::string_view WithoutEnd(std::string_view line) {
    if (line.ends_with("\r\n"))
        line.remove_suffix(2);
    else if (line.ends_with('\r') || line.ends_with('\n'))
        line.remove_suffix(1);
    return line;
}

} // namespace

LineIndex::Stamp LineIndex::StampOf(const fs::path& path) {
    std::error_code error;
    Stamp stamp;
    stamp.size = fs::file_size(path, error);
    if (error)
        return {};
    stamp.time = fs::last_write_time(path, error);
    return stamp;
}

void LineIndex::Index(const fs::path& path) {
    ReadableSize(path, UINTMAX_MAX);
    // Taken first: a change while the file is read shows as one later.
    const Stamp stamp = StampOf(path);
    std::vector<std::uint64_t> starts;
    LineStarts scan(starts);
    ForEachPiece(path, [&](std::string_view piece) { scan.Scan(piece); });
    scan.Finish();
    path_ = path;
    stamp_ = stamp;
    starts_ = std::move(starts);
    block_.clear();
    blockFirst_ = 0;
}

void LineIndex::Clear() {
    *this = LineIndex();
}

bool LineIndex::Stale() const {
    return !path_.empty() && StampOf(path_) != stamp_;
}

std::uint64_t LineIndex::EndOf(std::size_t index) const {
    return index + 1 < starts_.size() ? starts_[index + 1] : stamp_.size;
}

void LineIndex::ReadBlock(std::size_t first) {
    if (Stale()) {
        Index(path_);
        changed_ = true;
    }
    block_.clear();
    if (first >= starts_.size())
        return;
    blockFirst_ = first;
    // Whole lines up to the block's bytes; a first line longer than those
    // alone is cut there.
    const std::uint64_t from = starts_[first];
    std::size_t last = first + 1;
    while (last < std::min(starts_.size(), first + kBlockLines) &&
           EndOf(last) - from <= kMaxBlockBytes)
        ++last;
    const std::uint64_t to = std::min<std::uint64_t>(EndOf(last - 1), from + kMaxBlockBytes);
    blockBytes_ = ReadFileRange(path_, from, to - from);
    const std::string_view bytes(blockBytes_);
    for (std::size_t line = first; line < last && starts_[line] - from < bytes.size(); ++line) {
        const auto start = static_cast<std::size_t>(starts_[line] - from);
        const auto end =
            static_cast<std::size_t>(std::min<std::uint64_t>(EndOf(line) - from, bytes.size()));
        block_.push_back(WithoutEnd(bytes.substr(start, end - start)));
    }
}

std::string_view LineIndex::Line(std::size_t index) {
    if (index >= starts_.size())
        return {};
    const auto cached = [&] { return index >= blockFirst_ && index < blockFirst_ + block_.size(); };
    if (!cached())
        ReadBlock(index - index % kBlockLines);
    if (!cached()) // the lines before it in its block filled the block's bytes
        ReadBlock(index);
    if (!cached())
        return {};
    return block_[index - blockFirst_];
}

} // namespace mervadin
