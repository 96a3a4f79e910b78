#include "app/qt_prompts.h"

#include <QMessageBox>

namespace mervadin {

void QtPrompts::Inform(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), QMessageBox::Ok);
    box.exec();
}

bool QtPrompts::Ask(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace mervadin
