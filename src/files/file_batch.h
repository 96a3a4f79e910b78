#pragma once
// Files are replaced whole and atomically: the new bytes go to a temporary
// file beside the old one, reach the disk, and are renamed over it, so that
// a crash, a power cut or a full disk leaves the old file or the new one,
// never a half-written one. A replaced file keeps its mode (and owner where
// permitted); a new one gets `newMode`. A chain of symbolic links is
// followed to its end, which is replaced; when that end exists and is not a
// regular file (a device, a FIFO, a socket, a folder), the write is refused
// with a FileError and nothing is touched.

#include "files/file_error.h"
#include "files/file_system.h"
#include "files/text_lines.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace mervadin {

// Replaces several files together: Stage writes each file's temporary,
// Flush puts every temporary on the disk, Commit flushes and then renames
// them into place in the order staged, then tells (FileNotice) what the
// operator should know of the files replaced. Temporaries not committed are removed
// (Discard, or when the batch goes); a failing Flush or Commit discards the
// batch, and a failing rename renames nothing more. A temporary stays held
// by its writer until it is renamed, so that RemoveLeftoverTemporaries never
// takes it.
class FileBatch {
public:
    explicit FileBatch(FileSystem& files = SystemFiles()) : files_(files) {}
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    ~FileBatch();

    void Stage(const std::filesystem::path& path, std::string_view bytes,
               std::filesystem::perms newMode = std::filesystem::perms(0644));
    // Lines, each ended with CR LF, gathered into large writes rather than
    // joined into one text first.
    void Stage(const std::filesystem::path& path, const LineViews& lines,
               std::filesystem::perms newMode = std::filesystem::perms(0644));
    // The lines of `text`, each ended with CR LF, taken from it as they are
    // written rather than split first.
    void StageLinesOf(const std::filesystem::path& path, std::string_view text,
                      std::filesystem::perms newMode = std::filesystem::perms(0644));
    // A file whose bytes `write` gives, piece by piece, to the file handed
    // to it: nothing of it has to be in memory at once.
    void StageWrittenBy(const std::filesystem::path& path,
                        const std::function<void(WritableFile&)>& write,
                        std::filesystem::perms newMode = std::filesystem::perms(0644));
    // A file that another library writes by its name: `write` gets the
    // temporary's path, which the batch holds meanwhile (so that no clean-up
    // takes it), and puts the bytes there itself.
    void StageWrittenByName(const std::filesystem::path& path,
                            const std::function<void(const std::filesystem::path&)>& write,
                            std::filesystem::perms newMode = std::filesystem::perms(0644));
    void Flush();
    void Commit();
    void Discard() noexcept;

private:
    struct Staged {
        std::filesystem::path path;      // as named by the caller
        std::filesystem::path target;    // the file replaced (a link's target)
        std::filesystem::path temporary; // written beside the target
        std::unique_ptr<WritableFile> file;
    };
    template <typename Write>
    void StageWith(const std::filesystem::path& path, std::filesystem::perms newMode, Write write);

    FileSystem& files_;
    std::vector<Staged> staged_;
};

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::filesystem::perms newMode = std::filesystem::perms(0644));
void WriteLines(const std::filesystem::path& path, const Lines& lines,
                std::filesystem::perms newMode = std::filesystem::perms(0644));
void WriteLineViews(const std::filesystem::path& path, const LineViews& lines,
                    std::filesystem::perms newMode = std::filesystem::perms(0644));

// A fresh name for a temporary file beside `path`,
// ".NAME.mervadin-tmpDIGITS": the shape RemoveLeftoverTemporaries knows, so
// that one a killed writer left goes with the next clean-up, and that no
// other program's file has.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path);

// Removes the temporary files that killed writers of this tool left in a
// folder (each only while no live writer holds it, and only this user's):
// all of them, or only those of the file named `of`. Besides the shape
// above, the ".NAME.tmpDIGITS" that earlier versions left are taken for
// the names in `olderNames` (the working folder's data files) and `of`,
// and nothing else.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder, std::string_view of = {},
                               std::span<const std::string_view> olderNames = {});

// The file a write to `path` replaces: the end of its chain of links (the
// path itself when it is no link). Throws FileError, naming `path` and what
// it leads to, when that end exists and is not a regular file.
std::filesystem::path ReplacedFile(const std::filesystem::path& path);

} // namespace mervadin
