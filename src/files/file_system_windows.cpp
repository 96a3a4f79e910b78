#include "files/file_error.h"
#include "files/file_system.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

class StreamFile : public WritableFile {
public:
    StreamFile(const fs::path& temporary, fs::path target)
        : out_(temporary, std::ios::binary | std::ios::trunc), target_(std::move(target)) {
        if (!out_)
            throw FileError(target_, std::string("cannot write file: ") + std::strerror(errno));
    }

    void Write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out_)
            throw FileError(target_, "write error (disk full?)");
    }

    void Sync() override {
        out_.flush();
        if (!out_)
            throw FileError(target_, "write error (disk full?)");
    }

private:
    std::ofstream out_;
    fs::path target_;
};

class WindowsFileSystem : public FileSystem {
public:
    std::unique_ptr<WritableFile> CreateTemporary(const fs::path& temporary, const fs::path& target,
                                                  fs::perms) override {
        return std::make_unique<StreamFile>(temporary, target);
    }

    std::error_code Replace(const fs::path& temporary, const fs::path& target) noexcept override {
        std::error_code error;
        fs::rename(temporary, target, error);
        return error;
    }

    void SyncFolder(const fs::path&) noexcept override {}

    bool RemoveIfAbandoned(const fs::path& temporary) noexcept override {
        std::error_code error;
        return fs::remove(temporary, error);
    }
};

} // namespace

FileSystem& SystemFiles() {
    static WindowsFileSystem files;
    return files;
}

} // namespace mervadin
