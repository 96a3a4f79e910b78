#include "files/file_error.h"
#include "files/file_system.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

std::string UserName(uid_t uid) {
    const passwd* user = ::getpwuid(uid);
    return user ? user->pw_name : std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    const group* found = ::getgrgid(gid);
    return found ? found->gr_name : std::to_string(gid);
}

// A file that nobody may write (no write permission bit at all) is refused
// even where the system would let this user write it (root), as editors
// refuse it; so is one this user may not write.
void RefuseReadOnly(const fs::path& target, const struct stat& old) {
    if ((old.st_mode & 0222) == 0)
        throw FileError(target, "is read-only (nobody may write it): not replaced");
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0)
        return;
    if (errno == EROFS)
        throw FileError(target, "is on a read-only file system: not replaced");
    if (errno == EACCES || errno == EPERM)
        throw FileError(target, "is read-only for this user (" + UserName(::geteuid()) +
                                    "), who may not write it: not replaced");
}

// Whether `path` still names the file open as `fd`.
bool StillNamed(int fd, const fs::path& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
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

    std::string Notice() const override { return notice_; }

    // Gives the new file the old one's owner, group and mode where this user
    // may; what could not be kept is told once the file is in place.
    void KeepOwnership(const struct stat& old) {
        const bool group = ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid) == 0;
        const bool owner =
            old.st_uid == ::geteuid() || ::fchown(fd_, old.st_uid, static_cast<gid_t>(-1)) == 0;
        (void)::fchmod(fd_, old.st_mode & 07777); // after the owner: a chown clears set-id bits
        if (owner && group)
            return;
        struct stat now {};
        (void)::fstat(fd_, &now);
        notice_ = Utf8Of(target_) + ": replaced, but its " +
                  (!owner && !group ? "owner and group"
                   : !owner         ? "owner"
                                    : "group") +
                  " (" + UserName(old.st_uid) + ":" + GroupName(old.st_gid) +
                  ") could not be kept: it now belongs to " + UserName(now.st_uid) + ":" +
                  GroupName(now.st_gid);
    }

private:
    int fd_;
    fs::path target_;
    std::string notice_;
};

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<WritableFile> CreateTemporary(const fs::path& temporary, const fs::path& target,
                                                  fs::perms newMode) override {
        struct stat old {};
        const bool exists = ::stat(target.c_str(), &old) == 0;
        if (exists)
            RefuseReadOnly(target, old);
        const mode_t mode = exists ? (old.st_mode & 07777) : static_cast<mode_t>(newMode);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0)
            throw FileError(target, "cannot write file: " + Reason(errno));
        auto file = std::make_unique<PosixFile>(fd, target);
        // Between the file's creation and its lock another process's clean-up
        // may have taken it (it holds the lock, or has unlinked the name): it
        // is theirs to remove, and the write goes on under another name. A
        // file system without locks has no such clean-up.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ? errno == EWOULDBLOCK || errno == EINTR
                                                : !StillNamed(fd, temporary))
            return nullptr;
        if (exists)
            file->KeepOwnership(old);
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
        // Only this user's own, and only while the name still leads to the
        // file locked here.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, temporary))
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
