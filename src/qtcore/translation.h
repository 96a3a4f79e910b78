#pragma once
// The language of the windows: English as written, or Chinese (zh_CN). It
// is chosen by --language, else MERVADIN_LANGUAGE, else "Language" in the
// main window's popup menu (remembered for the user), else the system's
// language. Only what the windows show changes with it.

#include "common/ui_text.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace mervadin {

// Where a text is translated: a window's own text by tr() in the window's
// class (its translation context), once, where it is made. A text the core
// marked with UI_TEXT has no class: it is translated here, in the one
// context of the core's texts, by the window that shows it. Only such a
// constant is looked up; a text put together at run time (a path, device
// data, a number) is shown as it is.
inline constexpr const char* kMarkedContext = "mervadin::texts";
QString UiMarked(const char* marked);
// The same as UTF-8, for the core's lines put together from marked texts
// (a Translate).
std::string UiMarkedString(const char* marked);
// A text from the core as a window shows it: a marked text translated, a
// text made at run time as it is (UTF-8).
QString Shown(const ShownText& text);
// A marked text that holds a number, "Vol:3" or "12 S": as a whole where it
// has a translation, else the words before and after the number translated.
QString UiMarkedAroundNumber(const char* marked);

class Translation {
public:
    // The languages offered: a name for the settings and the menu's entry.
    struct Language {
        const char* code; // "en", "zh_CN"
        const char* name; // in its own language: "English", "中文"
    };
    static const std::vector<Language>& Offered();

    // The code chosen by the operator in the menu; nothing when none was.
    static std::optional<std::string> Remembered();
    // An empty code forgets the choice.
    static void Remember(const std::string& code);

    // The language for this run by `option` (may be empty), then the
    // environment, the remembered choice and the system; an unknown code
    // gives nothing, `option` or the variable naming it.
    static std::optional<std::string> ForRun(const std::string& option);
    // Installs the translation of `code` in place of any installed before
    // (Qt's own texts too, where the system has them); "en" takes them away.
    // False when it cannot be loaded.
    static bool Install(const std::string& code);
    // The code of the language installed last ("en" before any).
    static std::string InUse();
};

} // namespace mervadin
