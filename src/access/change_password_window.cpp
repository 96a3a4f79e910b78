#include "access/change_password_window.h"

#include "access/access_names.h"
#include "access/access_texts.h"
#include "access/password_file.h"
#include "common/common_texts.h"
#include "qtcore/translation.h"
#include "ui/designed.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mervadin {

ChangePasswordWindow::ChangePasswordWindow(std::filesystem::path passwordFile, Prompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), passwordFile_(std::move(passwordFile)), prompts_(prompts) {
    setObjectName(names::change::kWindow);
    setWindowTitle(tr("ChangePassword"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    // The three boxes under one another, each beside its label; the two
    // buttons below them.
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(24, 24, 24, 4);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(16);
    old_ =
        AddPasswordBox(names::change::kOldPassword, UiMarked(texts::access::kOldPasswordLabel), 0);
    new_ =
        AddPasswordBox(names::change::kNewPassword, UiMarked(texts::access::kNewPasswordLabel), 1);
    confirm_ =
        AddPasswordBox(names::change::kConfirmation, UiMarked(texts::access::kNewPasswordLabel), 2);

    auto* enter = MakeButton(this, names::change::kEnterButton, tr("Enter"), {89, 33});
    connect(enter, &QPushButton::clicked, this, &ChangePasswordWindow::Apply);
    // Enter in any of the boxes presses it, as a dialog's OK.
    enter->setDefault(true);
    auto* exit = MakeButton(this, names::change::kExitButton, tr("Exit"), {89, 33});
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(40, 8, 0, 0);
    buttons->addWidget(enter);
    buttons->addSpacing(39);
    buttons->addWidget(exit);
    buttons->addStretch(1);
    grid_->addLayout(buttons, 3, 0, 1, 2);
    grid_->setRowStretch(4, 1);
    FixSizeOnScreen(*this, LaidOutSize(*this, ClientSize(345, 225)));
    MoveOnScreen(*this, {487, 205});
}

QLineEdit* ChangePasswordWindow::AddPasswordBox(const char* name, const QString& label, int row) {
    auto* caption = new Designed<QLabel>({120, 24}, label, this);
    auto* box = new Designed<QLineEdit>({150, 24}, this);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(4);
    caption->setBuddy(box);
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(box, row, 1, Qt::AlignLeft);
    return box;
}

void ChangePasswordWindow::Apply() {
    PasswordChange result;
    try {
        result = ChangePassword(passwordFile_, old_->text().toStdString(),
                                new_->text().toStdString(), confirm_->text().toStdString());
    } catch (const std::exception& e) {
        prompts_.Inform(texts::common::kErrorCaption, std::string(e.what()));
        return;
    }
    const Notice notice = ChangeNotice(result);
    prompts_.Inform(notice.caption, notice.text);
    if (result == PasswordChange::Changed)
        accept();
}

} // namespace mervadin
