#include "common/folder_lock.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace mervadin {

FolderLock::FolderLock(const std::filesystem::path& folder) {
#ifndef _WIN32
    fd_ = ::open((folder / ".mervadin.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
#else
    (void)folder;
#endif
}

FolderLock::~FolderLock() {
#ifndef _WIN32
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
#endif
}

} // namespace mervadin
