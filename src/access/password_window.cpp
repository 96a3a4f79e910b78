#include "access/password_window.h"

#include "access/access_names.h"
#include "access/change_password_window.h"
#include "access/password_file.h"
#include "common/common_texts.h"
#include "qtcore/translation.h"
#include "ui/designed.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace mervadin {

namespace {

constexpr int kMaxPasswordLength = 4;

QPixmap Decoration(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor(0x1E, 0x5A, 0x9C));
    gradient.setColorAt(1, QColor(0x9C, 0xC8, 0xF0));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(Qt::white);
    // The system's own font, larger: every system has it, whatever it is
    // called there.
    QFont font = QApplication::font();
    font.setPointSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, "Mervadin");
    return pixmap;
}

} // namespace

PasswordWindow::PasswordWindow(std::filesystem::path passwordFile, Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), passwordFile_(std::move(passwordFile)), prompts_(prompts) {
    setObjectName(names::login::kWindow);
    setWindowTitle(tr("PasswordCheck"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(Decoration(289, 241));

    input_ = new Designed<QLineEdit>({161, 24}, tr(kHint), this);
    input_->setObjectName(names::login::kPassword);
    input_->installEventFilter(this);
    connect(input_, &QLineEdit::returnPressed, this, &PasswordWindow::LogIn);
    connect(input_, &QLineEdit::textEdited, this, &PasswordWindow::LimitTypedText);

    const QSize design{161, 29};
    auto* logIn = MakeButton(this, names::login::kLogInButton, tr("Log In"), design);
    connect(logIn, &QPushButton::clicked, this, &PasswordWindow::LogIn);
    auto* change = MakeButton(this, names::login::kChangeButton, tr("Change Password"), design);
    connect(change, &QPushButton::clicked, this, &PasswordWindow::OpenChangeWindow);
    auto* exit = MakeButton(this, names::login::kExitButton, tr("EXIT"), design);
    connect(exit, &QPushButton::clicked, this, [this] {
        accepted_ = false;
        reject();
    });

    // The picture, below it the box and the three buttons one above the
    // other, all of one width.
    auto* column = new QVBoxLayout;
    column->setSpacing(5);
    for (QWidget* widget : std::initializer_list<QWidget*>{input_, logIn, change, exit})
        column->addWidget(widget);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(7);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(column);
    centred->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(1);
    FixSizeOnScreen(*this, LaidOutSize(*this, ClientSize(376, 419)));
    MoveOnScreen(*this, {498, 118});
}

bool PasswordWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_ && event->type() == QEvent::MouseButtonPress)
        ClearHint();
    // A click into a refused password selects it all again, once the box
    // has placed its cursor: it is full, and typing must replace it.
    if (watched == input_ && event->type() == QEvent::MouseButtonRelease && refused_)
        QTimer::singleShot(0, input_, [this] {
            if (refused_)
                input_->selectAll();
        });
    // Reached without a click (the window opening, Tab), the hint is selected
    // so that typing replaces it.
    if (watched == input_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason &&
        input_->text() == tr(kHint))
        input_->selectAll();
    return QDialog::eventFilter(watched, event);
}

void PasswordWindow::keyPressEvent(QKeyEvent* event) {
    // Only EXIT and the close box leave the window: Esc would end the program.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void PasswordWindow::ClearHint() {
    if (input_->text() != tr(kHint))
        return;
    input_->clear();
    input_->setMaxLength(kMaxPasswordLength);
    input_->setEchoMode(QLineEdit::Password);
}

// The hint is longer than a password; once the operator types over it the
// box takes at most four characters, masked, as it does after a click.
void PasswordWindow::LimitTypedText(const QString& text) {
    refused_ = false;
    if (text == tr(kHint))
        return;
    input_->setMaxLength(kMaxPasswordLength);
    input_->setEchoMode(QLineEdit::Password);
}

void PasswordWindow::LogIn() {
    try {
        if (!CheckPassword(passwordFile_, input_->text().toStdString())) {
            const Notice notice = LoginRefusedNotice();
            prompts_.Inform(notice.caption, notice.text);
            // The box takes four characters: the wrong ones are selected,
            // so that typing the right ones replaces them.
            input_->setFocus();
            input_->selectAll();
            refused_ = true;
            return;
        }
    } catch (const std::exception& e) {
        prompts_.Inform(texts::common::kErrorCaption, std::string(e.what()));
        return;
    }
    accepted_ = true;
    accept();
}

void PasswordWindow::OpenChangeWindow() {
    ChangePasswordWindow window(passwordFile_, prompts_, this);
    window.exec();
}

} // namespace mervadin
