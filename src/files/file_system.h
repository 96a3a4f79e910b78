#pragma once
// The system calls with which the file layer replaces a file, behind one
// interface: each platform has its own implementation file, and a test can
// put one in front of it that fails where the test asks.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace mervadin {

// A new temporary file being written. Its writer holds it (a lock on it)
// from before anyone else can take it until it has been renamed, so that
// RemoveIfAbandoned never takes it from under a live writer; dropping it
// closes it.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    // Writes all of `bytes` at the end of the file; FileError when it cannot.
    virtual void Write(std::string_view bytes) = 0;
    // Puts the data on the disk; FileError when it cannot.
    virtual void Sync() = 0;
    // Called right before the rename: where a file cannot be renamed while
    // it is open, it is closed here.
    virtual void ReadyForRename() {}
    // What the operator should know once the file is in place (the replaced
    // file's owner or group could not be kept); empty when nothing.
    virtual std::string Notice() const { return {}; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates `temporary`, which must not exist yet, with the mode (and the
    // owner and group, where the system permits) of `target` when that
    // exists, else with `newMode`, and holds it. A `target` its user may not
    // write (no write permission, a read-only file, a read-only file system)
    // is refused with a FileError naming it, as editors refuse it; other
    // errors name `target` too. Returns nullptr when another process's
    // clean-up took the new file before it could be held: the caller tries
    // another name.
    virtual std::unique_ptr<WritableFile> CreateTemporary(const std::filesystem::path& temporary,
                                                          const std::filesystem::path& target,
                                                          std::filesystem::perms newMode) = 0;
    // Puts `temporary` in the place of `target` in one step.
    virtual std::error_code Replace(const std::filesystem::path& temporary,
                                    const std::filesystem::path& target) noexcept = 0;
    // Makes the names changed in `folder` last through a power cut, where the
    // system has such a step.
    virtual void SyncFolder(const std::filesystem::path& folder) noexcept = 0;
    // Removes a temporary that no live writer holds (one left by a writer
    // that was killed) and that this user owns; true when it is gone.
    virtual bool RemoveIfAbandoned(const std::filesystem::path& temporary) noexcept = 0;
};

// The platform's own file system.
FileSystem& SystemFiles();

} // namespace mervadin
