#pragma once
// The login window shown at every start: the tool goes on only when the
// typed password matches Password.txt.

#include "common/prompts.h"
#include "common/ui_text.h"

#include <QDialog>

#include <filesystem>

class QLineEdit;

namespace mervadin {

class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kHint = QT_TR_NOOP("Enter  Password");

    PasswordWindow(std::filesystem::path passwordFile, Prompts& prompts, QWidget* parent = nullptr);

    // True once a login has succeeded.
    bool Accepted() const { return accepted_; }

    void LogIn();
    void OpenChangeWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ClearHint();
    void LimitTypedText(const QString& text);

    std::filesystem::path passwordFile_;
    Prompts& prompts_;
    QLineEdit* input_ = nullptr;
    bool accepted_ = false;
    bool refused_ = false; // the box holds a password just refused, not yet edited
};

} // namespace mervadin
