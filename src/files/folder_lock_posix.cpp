#include "files/file_batch.h"
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

// Opens the lock file; -1 where it cannot be made. Throws FileError when it
// is a folder, a link or not a regular file.
int OpenLockFile(const std::filesystem::path& file) {
    const int fd =
        ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == ELOOP || errno == EISDIR)
            throw FileError(file, std::string("the lock file is ") +
                                      (errno == ELOOP ? "a link" : "a folder") +
                                      ": remove it so that the folder can be locked");
        return -1;
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
    // second, once.
    const auto noticeAt =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kNoticeAfterMs);
    bool noticed = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            return; // a file system without locks: not locked
        }
        if (!noticed && std::chrono::steady_clock::now() >= noticeAt) {
            noticed = true;
            NoticeWait(folder);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    handle_ = fd;
    RemoveLeftoverTemporaries(folder);
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace mervadin
