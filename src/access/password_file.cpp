#include "access/password_file.h"

#include "access/access_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"

namespace mervadin {

namespace {

constexpr const char* kPasswordPrefix = "Password2=";
constexpr std::size_t kPasswordLine = 2;

// The file's first three lines; what follows them is kept as it is.
struct PasswordLines {
    std::string text;
    LineViews first;
};

PasswordLines ReadPasswordLines(const std::filesystem::path& file) {
    PasswordLines lines{ReadFileBytes(file), {}};
    lines.first = SplitLineViews(lines.text, kPasswordLine + 1);
    if (lines.first.size() <= kPasswordLine)
        throw FileError(file, "the password file is damaged: it has " +
                                  std::to_string(lines.first.size()) + " lines, 3 are needed");
    return lines;
}

} // namespace

bool CheckPassword(const std::filesystem::path& file, const std::string& typed) {
    return ReadPasswordLines(file).first[kPasswordLine] == kPasswordPrefix + typed;
}

Notice LoginRefusedNotice() {
    return {texts::access::kPasswordWrongCaption, texts::access::kPasswordWrong};
}

PasswordChange ChangePassword(const std::filesystem::path& file, const std::string& oldPassword,
                              const std::string& newPassword, const std::string& confirmation) {
    const auto lock = FolderLock::Beside(file);
    const PasswordLines lines = ReadPasswordLines(file);
    if (lines.first[kPasswordLine] != kPasswordPrefix + oldPassword)
        return PasswordChange::OldWrong;
    if (newPassword != confirmation || newPassword.empty())
        return PasswordChange::NewWrong;
    LineViews first = lines.first;
    const std::string changed = kPasswordPrefix + newPassword;
    first[kPasswordLine] = changed;
    WriteFileAtomically(file, JoinLines(first) +
                                  NormalizeLineEnds(AfterLines(lines.text, kPasswordLine + 1)));
    return PasswordChange::Changed;
}

Notice ChangeNotice(PasswordChange result) {
    switch (result) {
    case PasswordChange::Changed:
        return {texts::access::kPasswordChangedCaption, texts::access::kPasswordChanged};
    case PasswordChange::OldWrong:
        return {texts::access::kChangeRefusedCaption, texts::access::kOldPasswordWrong};
    case PasswordChange::NewWrong:
        break;
    }
    return {texts::access::kChangeRefusedCaption, texts::access::kNewPasswordWrong};
}

} // namespace mervadin
