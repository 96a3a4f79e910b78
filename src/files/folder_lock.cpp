#include "files/folder_lock.h"

#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/path_text.h"
#include "files/work_folder.h"

namespace mervadin {

namespace {

// Set once by each program at start, before any lock is taken.
FolderWait*& ProgramWait() {
    static FolderWait* wait = nullptr;
    return wait;
}

} // namespace

void FolderLock::SetWait(FolderWait* wait) {
    ProgramWait() = wait;
}

void FolderLock::WaitElsewhere(const std::filesystem::path& folder,
                               const std::function<bool()>& tryLock) {
    if (!ProgramWait())
        throw FileError(folder, "another Mervadin works on this folder: try again when it is done");
    ProgramWait()->Wait(folder, tryLock);
}

void FolderLock::GiveUp(const std::filesystem::path& folder, std::chrono::milliseconds waited) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    throw FileError(folder, "another Mervadin still works on this folder after " +
                                std::to_string(seconds) + " s: gave up waiting for it");
}

void FolderLock::Cancelled(const std::filesystem::path& folder) {
    throw FileError(folder, "the wait for another Mervadin working on this folder was "
                            "cancelled: nothing was written");
}

void FolderLock::CleanUp(const std::filesystem::path& folder) {
    RemoveLeftoverTemporaries(folder, {}, DataFileNames());
}

std::string FolderLock::WaitText(const std::filesystem::path& folder) {
    return "waiting for another Mervadin working on " + Utf8Of(folder);
}

} // namespace mervadin
