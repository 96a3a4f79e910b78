#include "files/folder_lock.h"

#include "files/path_text.h"

namespace mervadin {

namespace {

// Set once by each program at start, before any lock is taken.
FolderLock::WaitNotice& Notice() {
    static FolderLock::WaitNotice notice;
    return notice;
}

} // namespace

void FolderLock::SetWaitNotice(WaitNotice notice) {
    Notice() = std::move(notice);
}

void FolderLock::NoticeWait(const std::filesystem::path& folder) {
    if (Notice())
        Notice()(folder);
}

std::string FolderLock::WaitText(const std::filesystem::path& folder) {
    return "waiting for another Mervadin working on " + Utf8Of(folder);
}

} // namespace mervadin
