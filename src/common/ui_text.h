#pragma once
// UI_TEXT marks a text a person reads in the windows: scripts/translations
// collects every marked text (and every Ui("...") of the windows) into the
// translation files, and the windows show it in the language of the run
// (qtcore/translation.h). The text itself stays the English one: what goes
// to the device, into files or out of the command-line tool never changes.
#define UI_TEXT(text) text

#include <functional>
#include <string>
#include <vector>

namespace mervadin {

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
