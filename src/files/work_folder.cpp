#include "files/work_folder.h"

#include "files/file_batch.h"
#include "files/path_text.h"

#include <array>
#include <cstdlib>
#include <system_error>

namespace mervadin {

namespace fs = std::filesystem;

namespace {

// Created empty when missing, in this order.
constexpr std::array<std::string_view, 12> kEmptyFiles = {
    file::kConfig,        file::kReadFile,          file::kLoadNumber,       file::kCallInAnswer,
    file::kCallOutFailed, file::kCallInMissed,      file::kCallOutSuccessed, file::kCallOutList,
    file::kCallInList,    file::kCallOutListBackup, file::kCallInListBackup, file::kCallOutManual,
};

std::optional<std::string> CreateIfMissing(const fs::path& path, const Lines& lines,
                                           fs::perms mode = fs::perms(0644)) {
    std::error_code error;
    if (fs::exists(path, error))
        return std::nullopt;
    try {
        WriteLines(path, lines, mode);
    } catch (const FileError& e) {
        return std::string("Cannot create the data file ") + e.what();
    }
    return std::nullopt;
}

} // namespace

Lines DefaultPasswordLines() {
    return {"=Password=", "Password1=6093", "Password2=6093"};
}

fs::path WorkFolder::PlatformDefault() {
#ifdef _WIN32
    return fs::path(kDefaultFolderText);
#else
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / kDefaultFolderText.substr(2); // after "~/"
#endif
}

WorkFolder WorkFolder::Resolve(const std::optional<std::string>& override) {
    if (override && !override->empty())
        return WorkFolder(PathFromUtf8(*override));
#ifdef _WIN32
    // Read wide, so that a folder's name in any script stays whole.
    if (const wchar_t* env = ::_wgetenv(L"MERVADIN_WORKDIR"); env && *env)
        return WorkFolder(fs::path(env));
#else
    if (const char* env = std::getenv("MERVADIN_WORKDIR"); env && *env)
        return WorkFolder(env);
#endif
    return WorkFolder(PlatformDefault());
}

std::optional<std::string> WorkFolder::Prepare() const {
    std::error_code error;
    if (!fs::is_directory(root_, error)) {
        fs::create_directories(root_, error);
        if (error || !fs::is_directory(root_))
            return "Cannot create the working folder " + Utf8Of(root_) + ": " +
                   (error ? error.message() : std::string("not a folder"));
    }
    RemoveLeftoverTemporaries(root_);
    for (auto name : kEmptyFiles)
        if (auto failure = CreateIfMissing(File(name), {}))
            return failure;
    // The password file is the operator's alone.
    return CreateIfMissing(File(file::kPassword), DefaultPasswordLines(), fs::perms(0600));
}

} // namespace mervadin
