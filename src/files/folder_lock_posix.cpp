#include "files/file_error.h"
#include "files/folder_lock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace mervadin {

namespace {

// Opens the lock file: to write, or (another user's) to read, which is
// enough for a lock. -1 where this user cannot make it (a folder read-only
// to this user, where none of this user's writes can happen either). Throws
// FileError when it is a folder, a link or not a regular file, or cannot be
// opened for another reason.
int OpenLockFile(const std::filesystem::path& file) {
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    if (fd < 0 && errno == EACCES)
        fd = ::open(file.c_str(), O_RDONLY | kFlags);
    if (fd < 0) {
        if (errno == ELOOP || errno == EISDIR)
            throw FileError(file, std::string("the lock file is ") +
                                      (errno == ELOOP ? "a link" : "a folder") +
                                      ": remove it so that the folder can be locked");
        if (errno == EACCES || errno == EROFS)
            return -1;
        throw FileError(file, std::string("cannot open the lock file: ") + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw FileError(file, "the lock file is not a regular file: remove it so that the folder "
                              "can be locked");
    }
    return fd;
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const int fd = OpenLockFile(folder / kLockFileName);
    if (fd < 0)
        return;
    // Polled rather than blocked on, so that a busy lock is reported after a
    // second, once, and given up after the wait limit.
    const auto start = std::chrono::steady_clock::now();
    const auto noticeAt = start + std::chrono::milliseconds(kNoticeAfterMs);
    bool noticed = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(fd);
            throw FileError(folder / kLockFileName,
                            std::string("cannot lock the folder: ") + std::strerror(error));
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - start >= WaitLimit()) {
            ::close(fd);
            GiveUp(folder, std::chrono::duration_cast<std::chrono::milliseconds>(now - start));
        }
        if (!noticed && now >= noticeAt) {
            noticed = true;
            NoticeWait(folder);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    handle_ = fd;
    CleanUp(folder);
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace mervadin
