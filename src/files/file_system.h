#pragma once
// The system calls with which the file layer replaces a file, behind one
// interface: each platform has its own implementation file, and a test can
// put one in front of it that fails where the test asks.

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace mervadin {

// A new temporary file being written. Its writer holds it while it lives,
// so that RemoveIfAbandoned never takes it from under a live writer;
// dropping it closes it.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    // Writes all of `bytes` at the end of the file; FileError when it cannot.
    virtual void Write(std::string_view bytes) = 0;
    // Puts the data on the disk; FileError when it cannot.
    virtual void Sync() = 0;
    // Called right before the rename: where a file cannot be renamed while
    // it is open (Windows), it is closed here.
    virtual void ReadyForRename() {}
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates `temporary`, which must not exist yet, with the mode (and the
    // owner, where the system permits) of `target` when that exists, else
    // with `newMode`. Errors name `target`.
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
    // that was killed); true when it is gone.
    virtual bool RemoveIfAbandoned(const std::filesystem::path& temporary) noexcept = 0;
};

// The platform's own file system.
FileSystem& SystemFiles();

} // namespace mervadin
