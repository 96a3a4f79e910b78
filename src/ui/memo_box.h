#pragma once
// A read-only multi-line box that is appended to line by line. It shows the
// lines with their carriage returns left out, the tool's own texts in the
// language of the windows.

#include "common/ui_text.h"

#include <QPlainTextEdit>

#include <string>

namespace mervadin {

class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoBox(QWidget* parent = nullptr);

    void AppendLine(const ShownText& line);
    void ClearLines();
};

} // namespace mervadin
