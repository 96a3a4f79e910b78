#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_names.h"
#include "settings/settings_window.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    QString Item(SettingsWindow& window, const char* name) {
        return window.findChild<QComboBox*>(name)->currentText();
    }
    QString Text(SettingsWindow& window, const char* name) {
        return window.findChild<QLineEdit*>(name)->text();
    }

    test::TempFolder temp;
    std::filesystem::path config = temp / "Config.txt";
    test::RecordingPrompts prompts;
};

TEST_F(SettingsWindowTest, AnEmptyFileOpensWithTheDefaults) {
    test::Spit(config, "");
    SettingsWindow window(config, prompts);
    EXPECT_EQ(ReadLines(config).size(), 70u);
    const std::pair<const char*, const char*> shown[] = {
        {"ComboBox7", "Vol:2"},  {"ComboBox10", "Vol:2"}, {"ComboBox23", "1"},
        {"ComboBox27", "Vol:2"}, {"ComboBox31", "Vol:1"}, {"ComboBox40", "0~8 "},
        {"ComboBox33", "Vol:4"}, {"ComboBox34", "Vol:1"}, {"ComboBox24", "-OFF-"},
        {"ComboBox2", "-OFF-"},  {"ComboBox25", "-OFF-"}, {"ComboBox8", "-OFF-"},
        {"ComboBox28", "Ban"},   {"ComboBox3", "ZEL"},    {"ComboBox42", "Normal"},
        {"ComboBox4", "0 H"},    {"ComboBox22", "0 M"}};
    for (const auto& [name, text] : shown)
        EXPECT_EQ(Item(window, name), text) << name;
    EXPECT_EQ(Text(window, "Edit1"), "20");
    EXPECT_EQ(Text(window, "Edit4"), "999");
    EXPECT_EQ(Text(window, "Edit7"), "");
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(names::settings::kSmsBox)->toPlainText(), "");
    EXPECT_FALSE(window.findChild<QComboBox*>("ComboBox1")->isVisibleTo(&window));
}

TEST_F(SettingsWindowTest, EditSaveAndReopen) {
    RestoreDefaultSettings(config);
    WriteSetting(config, "phone=", "12");
    WriteSetting(config, "callback=", "1");
    WriteSetting(config, "mode=", "2");
    {
        SettingsWindow window(config, prompts);
        window.show();
        EXPECT_EQ(window.findChild<QComboBox*>("ComboBox7")->currentIndex(), -1);
        EXPECT_EQ(Item(window, "ComboBox42"), "CallBack");
        window.findChild<QComboBox*>("ComboBox10")->setCurrentIndex(15);
        auto* delayed = window.findChild<QLineEdit*>("Edit1");
        delayed->clear();
        auto* host = window.findChild<QLineEdit*>("Edit7");
        QTest::keyClicks(host, "12345678901234567890");
        EXPECT_EQ(host->text(), "1234567890123456"); // at most 16 characters
        auto* sms = window.findChild<QPlainTextEdit*>(names::settings::kSmsBox);
        QTest::keyClicks(sms, "Hello");
        QTest::keyClick(sms, Qt::Key_Return);
        QTest::keyClicks(sms, "World");
        test::Click(window, names::settings::kSaveExitButton); // Save&Exit
        EXPECT_FALSE(window.isVisible());
    }
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], (Notice{"OK!!", "  Save Setting !!"}));
    EXPECT_EQ(ReadTextSetting(config, "phone="), "-1");
    EXPECT_EQ(ReadTextSetting(config, "mic="), "15");
    EXPECT_EQ(ReadTextSetting(config, "dial out every time="), "");
    EXPECT_EQ(ReadTextSetting(config, "hoster number="), "1234567890123456");
    EXPECT_EQ(ReadTextSetting(config, "sms="), "HelloWorld");
    EXPECT_EQ(ReadTextSetting(config, "callback="), "1");
    EXPECT_EQ(ReadTextSetting(config, "mode="), "2"); // the hidden list carries it

    SettingsWindow reopened(config, prompts);
    EXPECT_EQ(reopened.findChild<QPlainTextEdit*>(names::settings::kSmsBox)->toPlainText(),
              "HelloWorld");
}

TEST_F(SettingsWindowTest, ExitChangesNothingAndDefaultRestores) {
    RestoreDefaultSettings(config);
    WriteSetting(config, "sms=", "\xB2\xE2\xCA\xD4");       // not UTF-8: kept byte for byte
    WriteSetting(config, "dial out every time=", "123456"); // longer than the box allows
    const std::string before = test::Slurp(config);
    {
        SettingsWindow window(config, prompts);
        window.findChild<QComboBox*>("ComboBox7")->setCurrentIndex(5);
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        // Esc discards nothing silently: it asks, and No (the default) stays.
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(prompts.shown.back(),
                  (Notice{"Setting", "Close the settings without saving your changes?"}));
        // An outer size of 858 x 540, or larger where the fonts need it.
        EXPECT_GE(window.width(), 852);
        EXPECT_GE(window.height(), 512);
        test::Click(window, names::settings::kExitButton); // Exit
    }
    EXPECT_EQ(test::Slurp(config), before);
    {
        SettingsWindow window(config, prompts);
        window.Save(); // unchanged texts go back as they were
        EXPECT_EQ(ReadTextSetting(config, "sms="), "\xB2\xE2\xCA\xD4");
        EXPECT_EQ(ReadTextSetting(config, "dial out every time="), "123456");
        test::Click(window, names::settings::kDefaultButton); // Default
        EXPECT_EQ(Text(window, "Edit1"), "20");
    }
    EXPECT_EQ(ReadLines(config), DefaultSettingsLines());
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK", "  DefaultSetting OK!!  "}));
}

TEST_F(SettingsWindowTest, EscapeLeavesAtOnceWithoutChangesAndAfterYes) {
    RestoreDefaultSettings(config);
    {
        SettingsWindow window(config, prompts);
        window.show();
        // Enter at once presses nothing: the first field has the focus.
        EXPECT_EQ(window.focusWidget(), window.findChild<QLineEdit*>("Edit1"));
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(prompts.shown.empty());
    }
    SettingsWindow window(config, prompts);
    window.show();
    window.findChild<QLineEdit*>("Edit1")->setText("7");
    prompts.answers = {Prompts::Answer::Yes};
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadTextSetting(config, "dial out every time="), "20");
}

// Counts and times take digits only; one that holds letters from the file
// is refused on Save, naming the field, and nothing is written.
TEST_F(SettingsWindowTest, NumberFieldsTakeDigitsOnly) {
    RestoreDefaultSettings(config);
    WriteSetting(config, "all time of dial to pickup=", "ab");
    const std::string before = test::Slurp(config);
    SettingsWindow window(config, prompts);
    window.show();
    auto* wait = window.findChild<QLineEdit*>("Edit6");
    EXPECT_EQ(wait->text(), "ab");
    EXPECT_FALSE(window.Save());
    EXPECT_EQ(prompts.shown.back(),
              (Notice{"Error", "AnsweredWait: \"ab\" is not a number (digits only); nothing "
                               "was saved."}));
    EXPECT_EQ(test::Slurp(config), before);
    EXPECT_EQ(window.focusWidget(), wait);

    // Letters cannot be typed; those from the file can be deleted.
    QTest::keyClick(wait, Qt::Key_End);
    QTest::keyClick(wait, Qt::Key_Backspace);
    QTest::keyClick(wait, Qt::Key_Backspace);
    QTest::keyClicks(wait, "4x2");
    EXPECT_EQ(wait->text(), "42");
    auto* delay = window.findChild<QLineEdit*>("Edit1");
    delay->selectAll();
    QTest::keyClicks(delay, "9y");
    EXPECT_EQ(delay->text(), "9");
    EXPECT_TRUE(window.Save());
    EXPECT_EQ(ReadTextSetting(config, "all time of dial to pickup="), "42");

    // The host number is a telephone number the block holds digit by digit:
    // digits only, 16 of them shown whole.
    auto* host = window.findChild<QLineEdit*>("Edit7");
    QTest::keyClicks(host, "+86138abc00000000");
    EXPECT_EQ(host->text(), "8613800000000");
    EXPECT_GE(host->contentsRect().width(),
              host->fontMetrics().horizontalAdvance(QString(16, '0')));

    // Tab leaves the SMS box instead of typing into the SMS.
    auto* sms = window.findChild<QPlainTextEdit*>(names::settings::kSmsBox);
    sms->setFocus();
    QTest::keyClick(sms, Qt::Key_Tab);
    EXPECT_EQ(sms->toPlainText(), "");
    EXPECT_NE(window.focusWidget(), sms);
}

// A value the block cannot carry (the host number's letters reach the
// device as the low bits of their codes) is refused on Save, the field
// named as the window labels it, in the language of the windows. The SMS
// box counts its bytes as they are typed.
TEST_F(SettingsWindowTest, RefusalsNameTheFieldAsLabelledAndTheSmsCountsItsBytes) {
    RestoreDefaultSettings(config);
    WriteSetting(config, "hoster number=", "138abc0013");
    const std::string before = test::Slurp(config);
    {
        SettingsWindow window(config, prompts);
        window.show();
        EXPECT_FALSE(window.Save());
        EXPECT_EQ(prompts.shown.back(),
                  (Notice{"Error", "Host Number: \"138abc0013\" is not a telephone number "
                                   "(digits only); nothing was saved."}));
        EXPECT_EQ(test::Slurp(config), before);
        auto* sms = window.findChild<QPlainTextEdit*>(names::settings::kSmsBox);
        auto* bytes = window.findChild<QLabel*>(names::settings::kSmsBytes);
        EXPECT_EQ(bytes->text(), "0 of 96 bytes");
        QTest::keyClicks(sms, "Hello");
        EXPECT_EQ(bytes->text(), "5 of 96 bytes");
        QTest::keyClicks(sms, QString(100, 'x'));
        EXPECT_EQ(bytes->text(), "96 of 96 bytes");
    }
    WriteSetting(config, "hoster number=", "13800138000");
    WriteSetting(config, "dial out every time=", "12x");
    ASSERT_TRUE(Translation::Install("zh_CN"));
    {
        SettingsWindow window(config, prompts);
        window.show();
        EXPECT_FALSE(window.Save());
        const QString refused = QString::fromStdString(prompts.shown.back().text);
        EXPECT_TRUE(refused.startsWith(QString::fromUtf8("呼叫间隔: \"12x\"")))
            << refused.toStdString();
        EXPECT_FALSE(refused.contains("dial out every time")) << refused.toStdString();
        EXPECT_EQ(window.findChild<QLabel*>(names::settings::kSmsBytes)->text(),
                  QString::fromUtf8("0 / 96 字节"));
    }
    Translation::Install("en");
}

// A Config.txt that lacks some of the editor's keys (an older tool's, or
// hand-edited) keeps what is typed for them: Save adds them before the end
// line, where reads find them, every other line as it was.
TEST_F(SettingsWindowTest, SaveAddsTheKeysTheFileLacks) {
    test::Spit(config, "[setting]\r\nphone=3\r\nmic=4\r\nold=x\r\nmore=y\r\nsetting end!!!\r\n");
    {
        SettingsWindow window(config, prompts);
        QTest::keyClicks(window.findChild<QLineEdit*>("Edit7"), "13800138000");
        QTest::keyClicks(window.findChild<QPlainTextEdit*>(names::settings::kSmsBox), "Hi");
        EXPECT_TRUE(window.Save());
    }
    const Lines lines = ReadLines(config);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"[setting]", "phone=3", "mic=4", "old=x", "more=y"}));
    EXPECT_EQ(lines.back(), "setting end!!!");
    EXPECT_EQ(ReadTextSetting(config, "hoster number="), "13800138000");
    EXPECT_EQ(ReadTextSetting(config, "sms="), "Hi");
}

TEST_F(SettingsWindowTest, TypedTextIsEncodedAndASaveWorksAfterAFailedOpen) {
    RestoreDefaultSettings(config);
    WriteSetting(config, "sms=", "\xB2\xE2\xCA\xD4");
    WriteSetting(config, "pin=", "\xB2\xE2");
    TextCodec::Choose(TextCodec::Named("GB18030"));
    {
        SettingsWindow window(config, prompts);
        auto* sms = window.findChild<QPlainTextEdit*>(names::settings::kSmsBox);
        EXPECT_EQ(sms->toPlainText(), QString::fromUtf8("\xE6\xB5\x8B\xE8\xAF\x95"));
        sms->moveCursor(QTextCursor::End);
        QTest::sendKeyEvent(QTest::Click, sms, Qt::Key_unknown, QString::fromUtf8("\xE8\xAF\x95"),
                            Qt::NoModifier);
        window.Save();
    }
    EXPECT_EQ(ReadTextSetting(config, "sms="), "\xB2\xE2\xCA\xD4\xCA\xD4");
    EXPECT_EQ(ReadTextSetting(config, "pin="), "\xB2\xE2");
    TextCodec::Choose(TextCodec::Named("UTF-8"));

    // A settings file that could not be read on opening: Save writes the
    // window's values once the file can be read again.
    const std::string kept = test::Slurp(config);
    std::filesystem::rename(config, temp / "aside");
    std::filesystem::create_directory(config);
    {
        SettingsWindow window(config, prompts);
        ASSERT_FALSE(prompts.shown.empty());
        EXPECT_EQ(prompts.shown.back().caption, "Error");
        std::filesystem::remove(config);
        std::filesystem::rename(temp / "aside", config);
        window.findChild<QLineEdit*>("Edit1")->setText("33");
        EXPECT_TRUE(window.Save());
    }
    EXPECT_EQ(ReadTextSetting(config, "dial out every time="), "33");
    EXPECT_NE(test::Slurp(config), kept);
}

} // namespace
} // namespace mervadin
