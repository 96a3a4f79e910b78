#include "files/file_batch.h"

#include "files/file_notice.h"

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

// ".NAME" + mark + digits: this tool's temporaries, and those of its
// earlier versions.
constexpr std::string_view kTemporaryMark = ".mervadin-tmp";
constexpr std::string_view kOlderTemporaryMark = ".tmp";
// New names tried when another process's clean-up takes a fresh temporary.
constexpr int kTemporaryAttempts = 100;

// What a file system entry is, in a message.
std::string KindOf(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::character:
    case fs::file_type::block:
        return "a device";
    case fs::file_type::fifo:
        return "a FIFO";
    case fs::file_type::socket:
        return "a socket";
    default:
        return "not a regular file";
    }
}

// Links in a chain before it is taken for a loop.
constexpr int kMaxLinks = 40;

// Gathers lines, each followed by CR LF, into pieces of 64 KiB for the
// file: a write per line costs the system far more than one per piece.
class GatheredLines {
public:
    explicit GatheredLines(WritableFile& file) : file_(file) { chunk_.reserve(kChunk); }

    void Add(std::string_view line) {
        if (chunk_.size() + line.size() + kLineEnd.size() > kChunk) {
            file_.Write(chunk_);
            chunk_.clear();
        }
        if (line.size() + kLineEnd.size() > kChunk)
            file_.Write(line); // a line longer than the chunk goes out by itself
        else
            chunk_.append(line);
        chunk_.append(kLineEnd);
    }
    void Finish() { file_.Write(chunk_); }

private:
    static constexpr std::string_view kLineEnd = "\r\n";
    static constexpr std::size_t kChunk = std::size_t{64} << 10;

    WritableFile& file_;
    std::string chunk_;
};

} // namespace

fs::path TemporaryNameBeside(const fs::path& path) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    fs::path name(".");
    name += path.filename(); // joined as a path: a name in any script stays whole
    name += std::string(kTemporaryMark) + std::to_string(random() % 1000000000);
    return path.parent_path() / name;
}

fs::path ReplacedFile(const fs::path& path) {
    fs::path at = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(at, error);
        if (!fs::is_symlink(status)) {
            if (!fs::exists(status) || fs::is_regular_file(status))
                return at;
            const std::string what = KindOf(status.type());
            throw FileError(path, at == path ? "is " + what + ", not a regular file: not replaced"
                                             : "leads to " + Utf8Of(at) + ", which is " + what +
                                                   ", not a regular file: not replaced");
        }
        if (links == kMaxLinks)
            throw FileError(path, "too many links to follow (a loop?)");
        const fs::path target = fs::read_symlink(at, error);
        if (error)
            throw FileError(path, "cannot follow the link " + Utf8Of(at) + ": " + error.message());
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
}

FileBatch::~FileBatch() {
    Discard();
}

void FileBatch::Discard() noexcept {
    std::error_code ignored;
    for (auto& staged : staged_) {
        staged.file.reset(); // closed before it goes
        fs::remove(staged.temporary, ignored);
    }
    staged_.clear();
}

template <typename Write>
void FileBatch::StageWith(const fs::path& path, fs::perms newMode, Write write) {
    Staged staged{path, ReplacedFile(path), {}, nullptr};
    // A killed writer's temporaries beside a link's target in another folder
    // are not seen by the cleaning of the working folder: they go here.
    if (staged.target.parent_path() != path.parent_path())
        RemoveLeftoverTemporaries(staged.target.parent_path(), Utf8Of(staged.target.filename()));
    for (int attempt = 0; !staged.file; ++attempt) {
        if (attempt == kTemporaryAttempts)
            throw FileError(staged.target,
                            "cannot write file: its temporaries were taken by another process");
        staged.temporary = TemporaryNameBeside(staged.target);
        staged.file = files_.CreateTemporary(staged.temporary, staged.target, newMode);
    }
    try {
        write(*staged.file, staged.temporary);
    } catch (...) {
        staged.file.reset();
        std::error_code ignored;
        fs::remove(staged.temporary, ignored);
        throw;
    }
    staged_.push_back(std::move(staged));
}

void FileBatch::Stage(const fs::path& path, std::string_view bytes, fs::perms newMode) {
    StageWith(path, newMode, [&](WritableFile& file, const fs::path&) { file.Write(bytes); });
}

void FileBatch::Stage(const fs::path& path, const LineViews& lines, fs::perms newMode) {
    StageWith(path, newMode, [&](WritableFile& file, const fs::path&) {
        GatheredLines gathered(file);
        for (const auto line : lines)
            gathered.Add(line);
        gathered.Finish();
    });
}

void FileBatch::StageLinesOf(const fs::path& path, std::string_view text, fs::perms newMode) {
    StageWith(path, newMode, [&](WritableFile& file, const fs::path&) {
        GatheredLines gathered(file);
        ForEachLine(text, [&](std::string_view line) {
            gathered.Add(line);
            return true;
        });
        gathered.Finish();
    });
}

void FileBatch::StageWrittenBy(const fs::path& path,
                               const std::function<void(WritableFile&)>& write, fs::perms newMode) {
    StageWith(path, newMode, [&](WritableFile& file, const fs::path&) { write(file); });
}

void FileBatch::StageWrittenByName(const fs::path& path,
                                   const std::function<void(const fs::path&)>& write,
                                   fs::perms newMode) {
    StageWith(path, newMode, [&](WritableFile&, const fs::path& temporary) { write(temporary); });
}

void FileBatch::Flush() {
    try {
        for (auto& staged : staged_)
            staged.file->Sync();
    } catch (...) {
        Discard();
        throw;
    }
}

void FileBatch::Commit() {
    Flush();
    std::vector<fs::path> folders;
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        const Staged& staged = staged_[i];
        staged.file->ReadyForRename();
        if (const std::error_code error = files_.Replace(staged.temporary, staged.target)) {
            const fs::path failed = staged.path;
            staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(i));
            Discard();
            throw FileError(failed, "cannot replace file: " + error.message());
        }
        const fs::path folder = staged.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    std::vector<std::string> notices;
    for (const auto& staged : staged_)
        if (std::string notice = staged.file->Notice(); !notice.empty())
            notices.push_back(std::move(notice));
    staged_.clear(); // closes the temporaries, renamed now
    for (const auto& folder : folders)
        files_.SyncFolder(folder);
    for (const auto& notice : notices)
        FileNotice::Tell(notice);
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes, fs::perms newMode) {
    FileBatch batch;
    batch.Stage(path, bytes, newMode);
    batch.Commit();
}

void WriteLines(const fs::path& path, const Lines& lines, fs::perms newMode) {
    WriteFileAtomically(path, JoinLines(lines), newMode);
}

void WriteLineViews(const fs::path& path, const LineViews& lines, fs::perms newMode) {
    FileBatch batch;
    batch.Stage(path, lines, newMode);
    batch.Commit();
}

void RemoveLeftoverTemporaries(const fs::path& folder, std::string_view of,
                               std::span<const std::string_view> olderNames) {
    const auto allDigits = [](std::string_view digits) {
        return !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                              [](char c) { return c >= '0' && c <= '9'; });
    };
    // The name of the file whose temporary `name` is, or nothing when it is
    // no temporary of this tool's.
    const auto temporaryOf = [&](std::string_view name) -> std::optional<std::string_view> {
        if (name.size() < 2 || name[0] != '.')
            return std::nullopt;
        for (const std::string_view mark : {kTemporaryMark, kOlderTemporaryMark}) {
            const auto at = name.rfind(mark);
            if (at == std::string_view::npos || at < 2 || !allDigits(name.substr(at + mark.size())))
                continue;
            const std::string_view file = name.substr(1, at - 1);
            if (mark == kTemporaryMark || (!of.empty() && file == of) ||
                std::find(olderNames.begin(), olderNames.end(), file) != olderNames.end())
                return file;
        }
        return std::nullopt;
    };
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = Utf8Of(it->path().filename());
        const auto file = temporaryOf(name);
        if (file && (of.empty() || *file == of))
            SystemFiles().RemoveIfAbandoned(it->path());
    }
}

} // namespace mervadin
