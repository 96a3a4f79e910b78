#pragma once
// The windows' font for the language of the run.

#include <string>

namespace mervadin {

// In Chinese, where the system's font has no Chinese letters (an English
// Windows, a desktop set up for another language), the windows take a font
// made for Chinese at the system font's size: letters borrowed from another
// font stand taller than the line the system's font keeps, and a box's title
// or a label would be cut. Other languages keep the system's font.
void UseFontForLanguage(const std::string& language);

} // namespace mervadin
