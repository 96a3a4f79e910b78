#include "files/file_error.h"
#include "files/folder_lock.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

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
    // One try, never a wait: a lock held elsewhere goes to the program's wait.
    const auto tryLock = [&] {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        const int error = errno;
        if (error == EWOULDBLOCK || error == EINTR)
            return false;
        throw FileError(folder / kLockFileName,
                        std::string("cannot lock the folder: ") + std::strerror(error));
    };
    try {
        if (!tryLock())
            WaitElsewhere(folder, tryLock);
    } catch (...) {
        ::close(fd);
        throw;
    }
    handle_ = fd;
    CleanUp(folder);
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace mervadin
