#include "access/access_names.h"
#include "access/change_password_window.h"
#include "access/password_file.h"
#include "access/password_window.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class PasswordWindowTest : public ::testing::Test {
protected:
    void SetUp() override { WriteLines(file, DefaultPasswordLines()); }

    test::TempFolder temp;
    std::filesystem::path file = temp / "Password.txt";
    test::RecordingPrompts prompts;
};

TEST_F(PasswordWindowTest, EnterOnTheHintFailsAndAClickClearsIt) {
    PasswordWindow window(file, prompts);
    window.show();
    auto* edit = window.findChild<QLineEdit*>(names::login::kPassword);
    EXPECT_EQ(edit->text(), "Enter  Password");
    EXPECT_EQ(window.windowTitle(), "PasswordCheck");

    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], (Notice{"Warning!", "Password ERROR!!"}));
    EXPECT_FALSE(window.Accepted());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(edit->text(), "Enter  Password");

    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(edit, "609312");
    EXPECT_EQ(edit->text(), "6093"); // at most four characters
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "6093"); // a later click changes nothing

    QTest::mouseClick(window.findChild<QPushButton*>(names::login::kLogInButton), Qt::LeftButton);
    EXPECT_TRUE(window.Accepted());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(PasswordWindowTest, TypingWithoutAClickReplacesTheHintMaskedAndEscIsIgnored) {
    PasswordWindow window(file, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* edit = window.findChild<QLineEdit*>(names::login::kPassword);
    ASSERT_TRUE(edit->hasFocus()); // the box has the focus when the window opens
    EXPECT_EQ(edit->selectedText(), "Enter  Password");
    QTest::keyClicks(edit, "60931");
    EXPECT_EQ(edit->text(), "6093");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    test::ExpectUsualSize(window.size(), {370, 391}); // an outer size of 376 x 419
    EXPECT_LT(window.findChild<QPushButton*>(names::login::kExitButton)->geometry().bottom(),
              window.height());

    QTest::mouseClick(window.findChild<QPushButton*>(names::login::kExitButton), Qt::LeftButton);
    EXPECT_FALSE(window.Accepted());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.shown.empty());
}

// The box takes four characters: after a refusal the wrong ones are
// selected, so the right ones typed at once replace them.
TEST_F(PasswordWindowTest, AWrongPasswordIsSelectedSoTypingReplacesIt) {
    PasswordWindow window(file, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* edit = window.findChild<QLineEdit*>(names::login::kPassword);
    QTest::keyClicks(edit, "1234");
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "1234");
    // A click into it (back from the change window, say) selects it again.
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->selectedText() == "1234"; }, 1000));
    QTest::keyClicks(edit, "6093");
    EXPECT_EQ(edit->text(), "6093");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(window.Accepted());
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(PasswordWindowTest, ADamagedFileIsReportedAndTheWindowStays) {
    test::Spit(file, "=Password=\r\n");
    PasswordWindow window(file, prompts);
    window.show();
    window.LogIn();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("Password.txt"), std::string::npos);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PasswordWindowTest, ChangeWindowReportsEachCheckThenRewrites) {
    ChangePasswordWindow window(file, prompts);
    window.show();
    auto type = [&](const char* name, const char* text) {
        auto* edit = window.findChild<QLineEdit*>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    };
    auto* enter = window.findChild<QPushButton*>(names::change::kEnterButton);

    type(names::change::kOldPassword, "1111");
    type(names::change::kNewPassword, "77");
    type(names::change::kConfirmation, "77");
    QTest::mouseClick(enter, Qt::LeftButton);
    type(names::change::kOldPassword, "6093");
    type(names::change::kConfirmation, "78");
    QTest::mouseClick(enter, Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    type(names::change::kNewPassword, "");
    type(names::change::kConfirmation, "");
    QTest::mouseClick(enter, Qt::LeftButton);
    type(names::change::kNewPassword, "77");
    type(names::change::kConfirmation, "77");
    // Enter in a box presses Enter, the window's OK.
    QTest::keyClick(window.findChild<QLineEdit*>(names::change::kConfirmation), Qt::Key_Return);

    EXPECT_EQ(prompts.shown, (std::vector<Notice>{{"Warning", "Old Password ERROR!!"},
                                                  {"Warning", "New Password ERROR!!"},
                                                  {"Warning", "New Password ERROR!!"},
                                                  {"OK", "New Password OK!!"}}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(test::Slurp(file), "=Password=\r\nPassword1=6093\r\nPassword2=77\r\n");
    EXPECT_EQ(window.findChild<QLineEdit*>(names::change::kNewPassword)->echoMode(),
              QLineEdit::Password);
}

} // namespace
} // namespace mervadin
