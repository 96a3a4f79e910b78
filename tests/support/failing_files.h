#pragma once
// A file system that fails where a test asks, in front of the real one: a
// write after so many bytes (the bytes before it reach the file, as on a
// disk that fills up), the flush to the disk, or the n-th rename.

#include "files/file_error.h"
#include "files/file_system.h"

#include <cerrno>
#include <optional>

namespace mervadin::test {

class FailingFiles : public FileSystem {
public:
    std::optional<std::size_t> failWriteAfter; // bytes written to each file before it fails
    bool failSync = false;
    std::optional<unsigned> failReplace; // which rename fails, counted from 0

    std::unique_ptr<WritableFile> CreateTemporary(const std::filesystem::path& temporary,
                                                  const std::filesystem::path& target,
                                                  std::filesystem::perms newMode) override {
        auto real = real_.CreateTemporary(temporary, target, newMode);
        if (!real)
            return nullptr;
        return std::make_unique<File>(*this, std::move(real), target);
    }
    std::error_code Replace(const std::filesystem::path& temporary,
                            const std::filesystem::path& target) noexcept override {
        if (failReplace && replaces_++ == *failReplace)
            return {EXDEV, std::generic_category()};
        return real_.Replace(temporary, target);
    }
    void SyncFolder(const std::filesystem::path& folder) noexcept override {
        real_.SyncFolder(folder);
    }
    bool RemoveIfAbandoned(const std::filesystem::path& temporary) noexcept override {
        return real_.RemoveIfAbandoned(temporary);
    }

private:
    class File : public WritableFile {
    public:
        File(FailingFiles& owner, std::unique_ptr<WritableFile> real, std::filesystem::path target)
            : owner_(owner), real_(std::move(real)), target_(std::move(target)) {}
        void Write(std::string_view bytes) override {
            if (owner_.failWriteAfter && written_ + bytes.size() > *owner_.failWriteAfter) {
                real_->Write(bytes.substr(0, *owner_.failWriteAfter - written_));
                throw FileError(target_, "write error: No space left on device");
            }
            real_->Write(bytes);
            written_ += bytes.size();
        }
        void Sync() override {
            if (owner_.failSync)
                throw FileError(target_, "write error: Input/output error");
            real_->Sync();
        }
        void ReadyForRename() override { real_->ReadyForRename(); }
        std::string Notice() const override { return real_->Notice(); }

    private:
        FailingFiles& owner_;
        std::unique_ptr<WritableFile> real_;
        std::filesystem::path target_;
        std::size_t written_ = 0;
    };

    FileSystem& real_ = SystemFiles();
    unsigned replaces_ = 0;
};

} // namespace mervadin::test
