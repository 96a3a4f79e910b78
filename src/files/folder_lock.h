#pragma once
// Serializes the read-modify-write of the data files in one folder between
// processes (two windows of two programs, a script running the command-line
// tool beside the window): an exclusive lock on ".mervadin.lock" in that
// folder, held while the object lives. Critical sections are short (one
// read and one write of the files concerned). A folder where the lock file
// cannot be made is not locked. Never nest two locks in one process.

#include <cstdint>
#include <filesystem>

namespace mervadin {

class FolderLock {
public:
    static constexpr const char* kLockFileName = ".mervadin.lock";

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock of the folder that holds `file`.
    static FolderLock Beside(const std::filesystem::path& file) {
        return FolderLock(file.parent_path().empty() ? std::filesystem::path(".")
                                                     : file.parent_path());
    }

private:
    std::intptr_t handle_ = -1; // the lock file's descriptor or handle; -1 when not locked
};

} // namespace mervadin
