#include "access/password_file.h"

#include "access/access_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"

namespace mervadin {

namespace {

constexpr const char* kPasswordPrefix = "Password2=";
constexpr std::size_t kPasswordLine = 2;

Lines ReadPasswordLines(const std::filesystem::path& file) {
    Lines lines = ReadLines(file);
    if (lines.size() <= kPasswordLine)
        throw FileError(file, "the password file is damaged: it has " +
                                  std::to_string(lines.size()) + " lines, 3 are needed");
    return lines;
}

} // namespace

bool CheckPassword(const std::filesystem::path& file, const std::string& typed) {
    return ReadPasswordLines(file)[kPasswordLine] == kPasswordPrefix + typed;
}

Notice LoginRefusedNotice() {
    return {texts::kPasswordWrongCaption, texts::kPasswordWrong};
}

PasswordChange ChangePassword(const std::filesystem::path& file, const std::string& oldPassword,
                              const std::string& newPassword, const std::string& confirmation) {
    const auto lock = FolderLock::Beside(file);
    Lines lines = ReadPasswordLines(file);
    if (lines[kPasswordLine] != kPasswordPrefix + oldPassword)
        return PasswordChange::OldWrong;
    if (newPassword != confirmation || newPassword.empty())
        return PasswordChange::NewWrong;
    lines[kPasswordLine] = kPasswordPrefix + newPassword;
    WriteLines(file, lines);
    return PasswordChange::Changed;
}

Notice ChangeNotice(PasswordChange result) {
    switch (result) {
    case PasswordChange::Changed:
        return {"OK", texts::kPasswordChanged};
    case PasswordChange::OldWrong:
        return {texts::kChangeRefusedCaption, texts::kOldPasswordWrong};
    case PasswordChange::NewWrong:
        break;
    }
    return {texts::kChangeRefusedCaption, texts::kNewPasswordWrong};
}

} // namespace mervadin
