#pragma once
// Serializes the read-modify-write of the data files in one folder between
// processes (two windows of two programs, a script running the command-line
// tool beside the window): an exclusive lock on ".mervadin.lock" in that
// folder, held while the object lives. Critical sections are short (one
// read and one write of the files concerned). Never nest two locks in one
// process.
//
// A lock file that is a folder, a link or anything but a regular file is
// refused with a FileError, and so is a lock that cannot be taken for any
// reason but another holder. A folder where this user cannot make the lock
// file (read-only to this user) is not locked: no write of this user's can
// happen there either. A lock still held elsewhere after the wait limit is
// given up with a FileError. Once held, the lock removes the temporaries
// that killed writers left in the folder: temporaries are cleaned only
// under the lock.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace mervadin {

class FolderLock {
public:
    static constexpr const char* kLockFileName = ".mervadin.lock";
    // A lock still busy after this long is reported (once) by the wait notice.
    static constexpr int kNoticeAfterMs = 1000;

    // Told, once per lock, that the lock of `folder` is still held by another
    // process after a second. Each program sets it once, at start: the
    // command-line tool writes it to standard error, the window shows it in
    // its status line.
    using WaitNotice = std::function<void(const std::filesystem::path& folder)>;
    static void SetWaitNotice(WaitNotice notice);

    // How long a lock held elsewhere is waited for before the wait is given
    // up (the command-line tool's --timeout sets it).
    static constexpr std::chrono::seconds kDefaultWaitLimit{60};
    static void SetWaitLimit(std::chrono::milliseconds limit);
    static std::chrono::milliseconds WaitLimit();

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock of the folder that holds `file`.
    static FolderLock Beside(const std::filesystem::path& file) {
        return FolderLock(file.parent_path().empty() ? std::filesystem::path(".")
                                                     : file.parent_path());
    }

    // The message for a lock that waits on `folder`.
    static std::string WaitText(const std::filesystem::path& folder);

private:
    static void NoticeWait(const std::filesystem::path& folder);
    // The FileError for a wait given up after `waited`.
    [[noreturn]] static void GiveUp(const std::filesystem::path& folder,
                                    std::chrono::milliseconds waited);
    static void CleanUp(const std::filesystem::path& folder);

    std::intptr_t handle_ = -1; // the lock file's descriptor or handle; -1 when not locked
};

} // namespace mervadin
