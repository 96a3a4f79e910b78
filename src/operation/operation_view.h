#pragma once
// What an operation shows: lines in its window's progress memo and error
// memo, the progress bar with its label, and message boxes.

#include <string>

namespace mervadin {

class OperationView {
public:
    virtual ~OperationView() = default;
    virtual void ClearMemo() = 0;
    virtual void AppendMemo(const std::string& line) = 0;
    virtual void AppendErrorMemo(const std::string& line) = 0;
    virtual void ClearErrorMemo() = 0;
    virtual void SetProgress(int percent, const std::string& label) = 0;
    virtual void Inform(const std::string& caption, const std::string& text) = 0;
};

} // namespace mervadin
