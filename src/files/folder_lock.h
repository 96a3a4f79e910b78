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
// happen there either. Once held, the lock removes the temporaries that
// killed writers left in the folder: temporaries are cleaned only under the
// lock.
//
// The lock is only ever tried, never waited for here: a lock another
// process holds is handed to the program's FolderWait, which waits its own
// way (the command-line tool sleeps between tries, up to its --timeout; the
// windows try on a timer while they go on painting, with a Cancel).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace mervadin {

// How a program waits for a folder another process has locked.
class FolderWait {
public:
    virtual ~FolderWait() = default;
    // Called when the lock of `folder` is held elsewhere. Calls `tryLock`
    // (which takes the lock when it is free, and then answers true) until it
    // answers true, or gives up by throwing a FileError that says why.
    virtual void Wait(const std::filesystem::path& folder,
                      const std::function<bool()>& tryLock) = 0;
};

class FolderLock {
public:
    static constexpr const char* kLockFileName = ".mervadin.lock";
    // A lock still busy after this long is said (once) by the waits.
    static constexpr int kNoticeAfterMs = 1000;
    // How long a wait goes on unless told otherwise (the command-line tool's
    // --timeout sets its own).
    static constexpr std::chrono::seconds kDefaultWaitLimit{60};

    // The wait of this program, set once at start (nullptr: none). Without
    // one a lock held elsewhere is a FileError at once.
    static void SetWait(FolderWait* wait);

    // Takes the lock of `folder`: at once, or through the program's wait.
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
    // The FileError for a wait on `folder` given up after `waited`, or by
    // the operator.
    [[noreturn]] static void GiveUp(const std::filesystem::path& folder,
                                    std::chrono::milliseconds waited);
    [[noreturn]] static void Cancelled(const std::filesystem::path& folder);

private:
    // Hands a lock held elsewhere to the program's wait.
    static void WaitElsewhere(const std::filesystem::path& folder,
                              const std::function<bool()>& tryLock);
    static void CleanUp(const std::filesystem::path& folder);

    std::intptr_t handle_ = -1; // the lock file's descriptor or handle; -1 when not locked
};

} // namespace mervadin
