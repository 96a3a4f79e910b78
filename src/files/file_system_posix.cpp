#include "files/file_error.h"
#include "files/file_system.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

// The temporary stays locked (flock) from its creation until it is closed,
// after its rename: a lock that can be taken means its writer is gone.
class PosixFile : public WritableFile {
public:
    PosixFile(int fd, fs::path target) : fd_(fd), target_(std::move(target)) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw FileError(target_, "write error: " + Reason(written < 0 ? errno : ENOSPC));
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void Sync() override {
        if (::fsync(fd_) != 0)
            throw FileError(target_, "write error: " + Reason(errno));
    }

private:
    int fd_;
    fs::path target_;
};

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<WritableFile> CreateTemporary(const fs::path& temporary, const fs::path& target,
                                                  fs::perms newMode) override {
        struct stat old {};
        const bool exists = ::stat(target.c_str(), &old) == 0;
        const mode_t mode = exists ? (old.st_mode & 07777) : static_cast<mode_t>(newMode);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0)
            throw FileError(target, "cannot write file: " + Reason(errno));
        auto file = std::make_unique<PosixFile>(fd, target);
        (void)::flock(fd, LOCK_EX | LOCK_NB); // a new file: nobody else holds it
        if (exists) {
            (void)::fchown(fd, old.st_uid, old.st_gid); // kept where the system allows it
            (void)::fchmod(fd, mode);                   // the umask must not narrow it
        }
        return file;
    }

    std::error_code Replace(const fs::path& temporary, const fs::path& target) noexcept override {
        if (::rename(temporary.c_str(), target.c_str()) != 0)
            return {errno, std::generic_category()};
        return {};
    }

    void SyncFolder(const fs::path& folder) noexcept override {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

    bool RemoveIfAbandoned(const fs::path& temporary) noexcept override {
        const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat info {};
        bool removed = false;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            removed = ::unlink(temporary.c_str()) == 0;
        ::close(fd);
        return removed;
    }
};

} // namespace

FileSystem& SystemFiles() {
    static PosixFileSystem files;
    return files;
}

} // namespace mervadin
