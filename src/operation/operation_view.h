#pragma once
// What an operation shows: lines in its window's progress memo and error
// memo, the progress bar with its label, and message boxes. Lines and boxes
// are ShownTexts: a marked constant is translated by the window that shows
// it, a line made at run time (device data, a number) is shown as it is.

#include "common/ui_text.h"

#include <string>

namespace mervadin {

class OperationView {
public:
    virtual ~OperationView() = default;
    virtual void ClearMemo() = 0;
    virtual void AppendMemo(const ShownText& line) = 0;
    virtual void AppendErrorMemo(const ShownText& line) = 0;
    virtual void ClearErrorMemo() = 0;
    virtual void SetProgress(int percent, const std::string& label) = 0;
    virtual void Inform(const ShownText& caption, const ShownText& text) = 0;
    // A marked text (UI_TEXT) in the view's language, for the lines an
    // operation puts together from texts and values: the windows translate,
    // the command line keeps the English text.
    virtual std::string Translated(const char* text) const { return text; }
    // The operation's work is done or is being stored (a read writes its
    // lists): from here on it ends by itself, and a stop asked for from
    // outside is no longer honoured, so that what it reports stays true.
    virtual void Committing() {}
};

} // namespace mervadin
