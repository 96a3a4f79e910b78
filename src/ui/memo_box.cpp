#include "ui/memo_box.h"

namespace mervadin {

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMaximumBlockCount(20000); // a long transfer must not grow without end
}

void MemoBox::AppendLine(const std::string& line) {
    lines_.push_back(line);
    if (lines_.size() > 20000)
        lines_.erase(lines_.begin(), lines_.begin() + 10000);
    QString shown = QString::fromUtf8(line);
    shown.remove('\r');
    appendPlainText(shown);
}

void MemoBox::ClearLines() {
    lines_.clear();
    clear();
}

} // namespace mervadin
