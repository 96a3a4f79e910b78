#pragma once
// The one error of the file layer: a file could not be read or written. Its
// message names the path and the cause, ready to be shown to the operator.

#include "common/ui_text.h"
#include "files/path_text.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace mervadin {

class FileError : public std::runtime_error {
public:
    FileError(const std::filesystem::path& path, const std::string& what)
        : std::runtime_error(Utf8Of(path) + ": " + what), path_(path) {}
    const std::filesystem::path& path() const { return path_; }
    // The message in the language `translate` gives (what() is English); the
    // file layer's own causes stay as the system words them.
    virtual std::string Message(const Translate& translate) const {
        (void)translate;
        return what();
    }

private:
    std::filesystem::path path_;
};

// A file is there but cannot be read (no permission, a failing disk): bad
// input rather than a failed operation.
class FileReadError : public FileError {
public:
    using FileError::FileError;
};

} // namespace mervadin
