#pragma once
// The operator login to the tool: Password.txt holds a header line, a line
// that is carried but never examined, and on its third line the password
// that the login compares and the change rewrites.

#include "common/prompts.h"
#include "files/file_error.h"
#include "files/work_folder.h"

#include <filesystem>
#include <string>

namespace mervadin {

// A message box as the tool shows it: caption and text.
// True when "Password2=" + typed equals the file's third line exactly.
// Throws FileError when the file cannot be read or has fewer than three lines.
bool CheckPassword(const std::filesystem::path& file, const std::string& typed);

// The wrong-password notice of the login window.
Notice LoginRefusedNotice();

enum class PasswordChange { Changed, OldWrong, NewWrong };

// Checks the old password, then that the two new ones agree and are not
// empty; on success rewrites only the third line. Throws FileError as above.
PasswordChange ChangePassword(const std::filesystem::path& file, const std::string& oldPassword,
                              const std::string& newPassword, const std::string& confirmation);

Notice ChangeNotice(PasswordChange result);

} // namespace mervadin
