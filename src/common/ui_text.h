#pragma once
// UI_TEXT marks a text of the core a person reads in the windows:
// scripts/translations collects every marked text (and every tr("...") of
// the windows) into the translation files, and the windows show it in the
// language of the run (qtcore/translation.h). The text itself stays the
// English one: what goes to the device, into files or out of the
// command-line tool never changes. A `//:` comment on the lines just above
// is the translator's note.
#define UI_TEXT(text) text

#include <functional>
#include <string>
#include <vector>

namespace mervadin {

// A text on its way from the core to a window, of one of two kinds: a
// marked text (a UI_TEXT constant, given as const char*), which the window
// translates, or a text made at run time (a std::string: a path, device
// data, a line put together from parts already translated), which is shown
// as it is and never looked up. The command-line tool prints both as they
// are.
class ShownText {
public:
    ShownText(const char* marked) : text_(marked), marked_(true) {}
    ShownText(std::string made) : text_(std::move(made)), marked_(false) {}

    const std::string& Text() const { return text_; }
    bool Marked() const { return marked_; }
    bool operator==(const ShownText&) const = default;

private:
    std::string text_;
    bool marked_;
};

// Gives a marked text in the language it is shown in: the windows'
// translation, or the text as written (the command line, the files).
using Translate = std::function<std::string(const char*)>;
inline std::string AsWritten(const char* text) {
    return text;
}

// `format` with %1, %2, ... replaced by `values` in one pass (the way Qt's
// arg() fills a translated text, for the lines the core puts together): a
// value that itself holds "%1" stays as it is.
inline std::string FillIn(const std::string& format, const std::vector<std::string>& values) {
    std::string filled;
    for (std::size_t at = 0; at < format.size(); ++at) {
        std::size_t index = 0, digits = 0;
        while (format[at] == '%' && digits < 2 && at + 1 + digits < format.size() &&
               format[at + 1 + digits] >= '0' && format[at + 1 + digits] <= '9') {
            const std::size_t longer =
                index * 10 + static_cast<std::size_t>(format[at + 1 + digits] - '0');
            if (longer == 0 || longer > values.size())
                break;
            index = longer;
            ++digits;
        }
        if (digits == 0) {
            filled += format[at];
            continue;
        }
        filled += values[index - 1];
        at += digits;
    }
    return filled;
}

} // namespace mervadin
