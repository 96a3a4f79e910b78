#include "access/change_password_window.h"

#include "access/access_names.h"
#include "access/access_texts.h"
#include "access/password_file.h"
#include "common/common_texts.h"
#include "qtcore/translation.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mervadin {

ChangePasswordWindow::ChangePasswordWindow(std::filesystem::path passwordFile, Prompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), passwordFile_(std::move(passwordFile)), prompts_(prompts) {
    setObjectName(names::change::kWindow);
    setWindowTitle(Ui("ChangePassword"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize(345, 225));
    MoveOnScreen(*this, {487, 205});

    old_ = AddPasswordBox(names::change::kOldPassword, Ui(texts::access::kOldPasswordLabel), 24);
    new_ = AddPasswordBox(names::change::kNewPassword, Ui(texts::access::kNewPasswordLabel), 64);
    confirm_ =
        AddPasswordBox(names::change::kConfirmation, Ui(texts::access::kNewPasswordLabel), 104);

    auto* enter = MakeButton(this, names::change::kEnterButton, Ui("Enter"), {64, 160, 89, 33});
    connect(enter, &QPushButton::clicked, this, &ChangePasswordWindow::Apply);
    // Enter in any of the boxes presses it, as a dialog's OK.
    enter->setDefault(true);
    auto* exit = MakeButton(this, names::change::kExitButton, Ui("Exit"), {192, 160, 89, 33});
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* ChangePasswordWindow::AddPasswordBox(const char* name, const QString& label, int top) {
    auto* caption = new QLabel(label, this);
    caption->setGeometry(24, top, 120, 24);
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(150, top, 150, 24);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(4);
    caption->setBuddy(box);
    return box;
}

void ChangePasswordWindow::Apply() {
    PasswordChange result;
    try {
        result = ChangePassword(passwordFile_, old_->text().toStdString(),
                                new_->text().toStdString(), confirm_->text().toStdString());
    } catch (const std::exception& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    const Notice notice = ChangeNotice(result);
    prompts_.Inform(notice.caption, notice.text);
    if (result == PasswordChange::Changed)
        accept();
}

} // namespace mervadin
