#pragma once
// The settings editor: shows what Config.txt holds, writes back what the
// controls hold, and restores the default settings. Its number fields take
// digits only; it never talks to the device.

#include "common/prompts.h"
#include "settings/settings_form.h"

#include <QDialog>

#include <filesystem>
#include <map>
#include <vector>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace mervadin {

class TypingLimit;

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(std::filesystem::path configFile, Prompts& prompts, QWidget* parent = nullptr);

    bool Save();
    void Default();
    void SaveAndExit();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void ScrollSettings();
    QWidget* BuildListColumns();
    void PlaceListColumns(int columns);
    void FitToScreen();
    QWidget* BuildSmsBox();
    QWidget* BuildTaskWork();
    QComboBox* MakeList(QWidget* parent, const ListControl& control);
    QLineEdit* MakeText(QWidget* parent, const TextControl& control);
    static int TextWidth(const QLineEdit& edit);
    bool Load();
    void Show(const SettingsFormValues& values);
    SettingsFormValues Collect() const;
    void LimitSmsTyping();
    void ShowSmsBytes();
    std::string TextOf(const std::string* original, const QString& shown) const;

    std::filesystem::path configFile_;
    Prompts& prompts_;
    std::map<std::string, QComboBox*> lists_;
    std::map<std::string, QLineEdit*> texts_;
    std::map<std::string, TypingLimit*> limits_;
    QPlainTextEdit* sms_ = nullptr;
    QLabel* smsBytes_ = nullptr;
    std::size_t smsLength_ = 0; // bytes of the SMS as loaded or last allowed
    SettingsFormValues loaded_; // as read, so unedited bytes go back unchanged
    QSize wanted_;              // the client size when the screen has room
    // The lists and texts of the settings, each with its label, in the
    // columns of their grid; beside them (or below, on a narrow screen) the
    // SMS and the task times.
    struct ListEntry {
        QLabel* caption;
        QWidget* control;
        bool hidden;
    };
    std::vector<ListEntry> entries_;
    QGridLayout* listGrid_ = nullptr;
    QBoxLayout* columns_ = nullptr;
};

} // namespace mervadin
