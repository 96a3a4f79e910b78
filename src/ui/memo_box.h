#pragma once
// A read-only multi-line box that is appended to line by line. It keeps the
// lines exactly as they were given (a carriage return inside a line stays
// part of it) and shows them with their carriage returns left out, the
// tool's own texts in the language of the windows.

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace mervadin {

class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoBox(QWidget* parent = nullptr);

    void AppendLine(const std::string& line);
    void ClearLines();
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

} // namespace mervadin
