#include "ui/memo_box.h"

#include "qtcore/translation.h"

namespace mervadin {

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMaximumBlockCount(20000); // a long transfer must not grow without end
}

void MemoBox::AppendLine(const ShownText& line) {
    QString shown = Shown(line); // the tool's own lines in the language of the windows
    shown.remove('\r');
    appendPlainText(shown);
}

void MemoBox::ClearLines() {
    clear();
}

} // namespace mervadin
