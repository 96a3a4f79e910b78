#pragma once
// Texts of the monitor panel, kept exactly as operators know them: blanks
// and spellings ("Moniter") are part of the text. Do not correct them.

namespace mervadin::texts {

inline constexpr const char* kMonitorNoDevice = "   No Connect!  ";

} // namespace mervadin::texts
