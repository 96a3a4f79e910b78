#include "files/file_error.h"
#include "files/file_system.h"

#include <chrono>
#include <string>
#include <thread>

#include <windows.h>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

std::string Reason(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

// The temporary is open without FILE_SHARE_DELETE until just before its
// rename: while its writer lives, nobody else can delete it.
class WindowsFile : public WritableFile {
public:
    WindowsFile(HANDLE handle, fs::path target) : handle_(handle), target_(std::move(target)) {}
    ~WindowsFile() override { Close(); }
    WindowsFile(const WindowsFile&) = delete;
    WindowsFile& operator=(const WindowsFile&) = delete;

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), piece, &written, nullptr) || written == 0)
                throw FileError(target_, "write error: " + Reason(::GetLastError()));
            bytes.remove_prefix(written);
        }
    }

    void Sync() override {
        if (!::FlushFileBuffers(handle_))
            throw FileError(target_, "write error: " + Reason(::GetLastError()));
    }

    void ReadyForRename() override { Close(); }

private:
    void Close() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

    HANDLE handle_;
    fs::path target_;
};

// A target another program holds open cannot be replaced until it lets go:
// tried again for about a second before the failure is told.
constexpr int kReplaceAttempts = 20;
constexpr auto kReplacePause = std::chrono::milliseconds(50);

bool HeldElsewhere(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

class WindowsFileSystem : public FileSystem {
public:
    std::unique_ptr<WritableFile> CreateTemporary(const fs::path& temporary, const fs::path& target,
                                                  fs::perms) override {
        const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            throw FileError(target, "cannot write file: " + Reason(::GetLastError()));
        return std::make_unique<WindowsFile>(handle, target);
    }

    std::error_code Replace(const fs::path& temporary, const fs::path& target) noexcept override {
        DWORD error = 0;
        for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
            if (::MoveFileExW(temporary.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return {};
            error = ::GetLastError();
            if (!HeldElsewhere(error))
                break;
            std::this_thread::sleep_for(kReplacePause);
        }
        return {static_cast<int>(error), std::system_category()};
    }

    // MOVEFILE_WRITE_THROUGH has already put the new name on the disk.
    void SyncFolder(const fs::path&) noexcept override {}

    bool RemoveIfAbandoned(const fs::path& temporary) noexcept override {
        // A live writer's handle refuses the delete.
        return ::DeleteFileW(temporary.c_str()) != 0;
    }
};

} // namespace

FileSystem& SystemFiles() {
    static WindowsFileSystem files;
    return files;
}

} // namespace mervadin
