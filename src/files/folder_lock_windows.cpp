#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/folder_lock.h"

#include <chrono>
#include <string>
#include <thread>

#include <windows.h>

namespace mervadin {

namespace {

// Opens the lock file; INVALID_HANDLE_VALUE where it cannot be made. Throws
// FileError when it is a folder or a link.
HANDLE OpenLockFile(const std::filesystem::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        throw FileError(file,
                        std::string("the lock file is ") +
                            ((attributes & FILE_ATTRIBUTE_DIRECTORY) ? "a folder" : "a link") +
                            ": remove it so that the folder can be locked");
    return ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool TryLock(HANDLE handle) {
    OVERLAPPED at{};
    return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const HANDLE handle = OpenLockFile(folder / kLockFileName);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    // Polled, so that a busy lock is reported after a second, once.
    const auto noticeAt =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kNoticeAfterMs);
    bool noticed = false;
    while (!TryLock(handle)) {
        if (::GetLastError() != ERROR_LOCK_VIOLATION && ::GetLastError() != ERROR_IO_PENDING) {
            ::CloseHandle(handle);
            return; // a file system without locks: not locked
        }
        if (!noticed && std::chrono::steady_clock::now() >= noticeAt) {
            noticed = true;
            NoticeWait(folder);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    RemoveLeftoverTemporaries(folder);
}

FolderLock::~FolderLock() {
    if (handle_ == -1)
        return;
    const auto handle = reinterpret_cast<HANDLE>(handle_);
    OVERLAPPED at{};
    ::UnlockFileEx(handle, 0, 1, 0, &at);
    ::CloseHandle(handle);
}

} // namespace mervadin
