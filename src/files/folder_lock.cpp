#include "files/folder_lock.h"

#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/path_text.h"
#include "files/work_folder.h"

namespace mervadin {

namespace {

// Set once by each program at start, before any lock is taken.
FolderLock::WaitNotice& Notice() {
    static FolderLock::WaitNotice notice;
    return notice;
}

std::chrono::milliseconds& Limit() {
    static std::chrono::milliseconds limit = FolderLock::kDefaultWaitLimit;
    return limit;
}

} // namespace

void FolderLock::SetWaitNotice(WaitNotice notice) {
    Notice() = std::move(notice);
}

void FolderLock::SetWaitLimit(std::chrono::milliseconds limit) {
    Limit() = limit;
}

std::chrono::milliseconds FolderLock::WaitLimit() {
    return Limit();
}

void FolderLock::GiveUp(const std::filesystem::path& folder, std::chrono::milliseconds waited) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    throw FileError(folder, "another Mervadin still works on this folder after " +
                                std::to_string(seconds) + " s: gave up waiting for it");
}

void FolderLock::CleanUp(const std::filesystem::path& folder) {
    RemoveLeftoverTemporaries(folder, {}, DataFileNames());
}

void FolderLock::NoticeWait(const std::filesystem::path& folder) {
    if (Notice())
        Notice()(folder);
}

std::string FolderLock::WaitText(const std::filesystem::path& folder) {
    return "waiting for another Mervadin working on " + Utf8Of(folder);
}

} // namespace mervadin
