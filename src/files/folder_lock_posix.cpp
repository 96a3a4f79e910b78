#include "files/folder_lock.h"

#include <cerrno>
#include <sys/file.h>

#include <fcntl.h>
#include <unistd.h>

namespace mervadin {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const int fd = ::open((folder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    handle_ = fd;
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace mervadin
