#include "files/file_error.h"
#include "files/folder_lock.h"

#include <string>
#include <system_error>

#include <windows.h>

namespace mervadin {

namespace {

std::string Reason(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

// Opens the lock file; INVALID_HANDLE_VALUE where this user cannot make it
// (a read-only folder, where none of this user's writes can happen either).
// Throws FileError when it is a folder or a link, or cannot be opened for
// another reason.
HANDLE OpenLockFile(const std::filesystem::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        throw FileError(file,
                        std::string("the lock file is ") +
                            ((attributes & FILE_ATTRIBUTE_DIRECTORY) ? "a folder" : "a link") +
                            ": remove it so that the folder can be locked");
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED)
        handle = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        return handle;
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT)
        return INVALID_HANDLE_VALUE;
    throw FileError(file, "cannot open the lock file: " + Reason(error));
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
    // One try, never a wait: a lock held elsewhere goes to the program's wait.
    const auto tryLock = [&] {
        if (TryLock(handle))
            return true;
        const DWORD error = ::GetLastError();
        if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING)
            return false;
        throw FileError(folder / kLockFileName, "cannot lock the folder: " + Reason(error));
    };
    try {
        if (!tryLock())
            WaitElsewhere(folder, tryLock);
    } catch (...) {
        ::CloseHandle(handle);
        throw;
    }
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    CleanUp(folder);
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
