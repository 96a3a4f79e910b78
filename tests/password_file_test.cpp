#include "access/password_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

TEST(PasswordFile, LoginComparesTheThirdLineExactly) {
    test::TempFolder folder;
    const auto file = folder / "Password.txt";
    WriteLines(file, DefaultPasswordLines());
    EXPECT_TRUE(CheckPassword(file, "6093"));
    EXPECT_FALSE(CheckPassword(file, "609"));
    EXPECT_FALSE(CheckPassword(file, "6093 "));
    EXPECT_FALSE(CheckPassword(file, "Enter  Password"));

    WriteLines(file, {"=Password=", "Password1=1111", "Password2="});
    EXPECT_TRUE(CheckPassword(file, ""));
    EXPECT_FALSE(CheckPassword(file, "1111"));

    test::Spit(file, "=Password=\r\nPassword1=6093\r\n");
    EXPECT_THROW(CheckPassword(file, "6093"), FileError);
}

TEST(PasswordFile, ChangeChecksInOrderAndRewritesOnlyTheThirdLine) {
    test::TempFolder folder;
    const auto file = folder / "Password.txt";
    WriteLines(file, DefaultPasswordLines());

    // The old password is checked before the new ones are looked at.
    EXPECT_EQ(ChangePassword(file, "0000", "12", "34"), PasswordChange::OldWrong);
    EXPECT_EQ(ChangePassword(file, "0000", "1234", "1234"), PasswordChange::OldWrong);
    EXPECT_EQ(ChangePassword(file, "6093", "1234", "1235"), PasswordChange::NewWrong);
    EXPECT_EQ(ChangePassword(file, "6093", "", ""), PasswordChange::NewWrong);
    EXPECT_EQ(test::Slurp(file), "=Password=\r\nPassword1=6093\r\nPassword2=6093\r\n");

    EXPECT_EQ(ChangePassword(file, "6093", "ab1Z", "ab1Z"), PasswordChange::Changed);
    EXPECT_EQ(test::Slurp(file), "=Password=\r\nPassword1=6093\r\nPassword2=ab1Z\r\n");
    EXPECT_FALSE(CheckPassword(file, "6093"));
    EXPECT_TRUE(CheckPassword(file, "ab1Z"));

    EXPECT_EQ(ChangeNotice(PasswordChange::Changed), (Notice{"OK", "New Password OK!!"}));
    EXPECT_EQ(ChangeNotice(PasswordChange::OldWrong), (Notice{"Warning", "Old Password ERROR!!"}));
    EXPECT_EQ(ChangeNotice(PasswordChange::NewWrong), (Notice{"Warning", "New Password ERROR!!"}));
}

} // namespace
} // namespace mervadin
