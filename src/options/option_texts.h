#pragma once
// The words of the command line that mervadin and mervadin-cli share: each
// option's help and each error it can end in, written once for both
// programs. They go to a console (or, for the window program on Windows
// without one, a message box) in English, as the command line's other
// words do.

namespace mervadin::texts::options {

// The working folder's default is added to its help where it is shown.
inline constexpr const char* kWorkdirHelp = "working folder (default: MERVADIN_WORKDIR or %1)";
inline constexpr const char* kDeviceHelp =
    "hid (default: the real device), hid:PATH (one of several), sim (the built-in simulated "
    "device) or unix:PATH (a device model on the socket bridge)";
inline constexpr const char* kSimulatorHelp = "short for --device sim";
inline constexpr const char* kTraceHelp =
    "append every frame sent and received, with its time and direction, to FILE";
inline constexpr const char* kEncodingHelp =
    "encoding of the data files' text, e.g. GB18030 or windows-1252 (default: MERVADIN_ENCODING, "
    "then the remembered choice, else the system's)";
inline constexpr const char* kLanguageHelp =
    "language of the windows: %1 (default: MERVADIN_LANGUAGE, then the remembered choice, else "
    "the system's)";

inline constexpr const char* kEmptyWorkdir = "the working folder is empty";
inline constexpr const char* kEmptyEncoding =
    "the encoding is empty: name one, e.g. UTF-8 or GB18030";
inline constexpr const char* kControlCharacter = "holds a line break or another control character";
inline constexpr const char* kUnknownDevice =
    "unknown device \"%1\" (hid, hid:PATH, sim, unix:PATH)";
inline constexpr const char* kUnknownLanguage = "unknown language \"%1\" (%2)";

} // namespace mervadin::texts::options
