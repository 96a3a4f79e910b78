#pragma once
// Texts of the calling round's windows and commands: the outcome of a list,
// the next list, the numbers never to call.

#include "common/ui_text.h"

namespace mervadin::texts::round {

// Buttons that are also the captions of their boxes (the menu entries that
// open the round's windows are the number list's: numbers/number_texts.h).
inline constexpr const char* kSaveNotReachedCommand =
    UI_TEXT("Save the numbers not reached as a list…");
inline constexpr const char* kReplaceListCommand = UI_TEXT("Replace LoadNumber.txt with them…");

// The next list.
inline constexpr const char* kReplaceListQuestion =
    UI_TEXT("Replace the %1 lines of LoadNumber.txt with the %2 lines not reached?");
inline constexpr const char* kListChanged =
    UI_TEXT("LoadNumber.txt changed since its outcome was shown; nothing was written. Refresh "
            "the outcome and try again.");
inline constexpr const char* kNothingLeft =
    UI_TEXT("No line of the list is left to call: nothing was written.");
inline constexpr const char* kNextListWritten = UI_TEXT("%1 lines written to %2.");

} // namespace mervadin::texts::round
