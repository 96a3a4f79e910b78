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

// The byte whose lock marks a temporary as held by its live writer: far
// beyond any file's end, so that it never covers data.
constexpr DWORD kHeldOffsetHigh = 0x7FFFFFFF;

bool LockHeldByte(HANDLE handle) {
    OVERLAPPED at{};
    at.OffsetHigh = kHeldOffsetHigh;
    return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
}

// The volume and file index of an open file.
struct FileId {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileId&) const = default;
};
bool IdOf(HANDLE handle, FileId& id) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info))
        return false;
    id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

// Whether `path` still names the file open as `handle` (a file another
// process's clean-up marked for deletion can no longer be opened).
bool StillNamed(HANDLE handle, const fs::path& path) {
    const HANDLE named = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    FileId open, found;
    const bool same = IdOf(handle, open) && IdOf(named, found) && open == found;
    ::CloseHandle(named);
    return same;
}

// The temporary stays open, with a lock on its marker byte, from its
// creation until after its rename (the handle shares deletion, so the file
// can be renamed while open): a marker that can be locked means its writer
// is gone.
class WindowsFile : public WritableFile {
public:
    WindowsFile(HANDLE handle, fs::path target) : handle_(handle), target_(std::move(target)) {}
    ~WindowsFile() override {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_); // releases the marker's lock
    }
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

private:
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
        const DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            throw FileError(target, "is read-only: not replaced");
        // Written by name by another library too (the workbook writer), so
        // writing is shared; deleting is shared so that the open file can be
        // renamed into place.
        const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            throw FileError(target, "cannot write file: " + Reason(::GetLastError()));
        auto file = std::make_unique<WindowsFile>(handle, target);
        // Another process's clean-up that reached the new file first holds its
        // marker or has deleted it: the write goes on under another name.
        if (!LockHeldByte(handle) || !StillNamed(handle, temporary))
            return nullptr;
        return file;
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
        const HANDLE handle = ::CreateFileW(
            temporary.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        BY_HANDLE_FILE_INFORMATION info{};
        // A live writer holds the marker; a link or a folder is nobody's temporary.
        const bool removed =
            ::GetFileInformationByHandle(handle, &info) &&
            !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            LockHeldByte(handle) && ::DeleteFileW(temporary.c_str());
        ::CloseHandle(handle); // the file goes once no handle is left
        return removed;
    }
};

} // namespace

FileSystem& SystemFiles() {
    static WindowsFileSystem files;
    return files;
}

} // namespace mervadin
