#pragma once
// What the file layer tells the operator about a file it did write, without
// failing: a replaced file whose owner or group this user could not keep.
// Each program sets the teller once, at start: the command-line tool writes
// to standard error, the window shows it in its status line. Without one,
// nothing is told.

#include <functional>
#include <string>

namespace mervadin {

class FileNotice {
public:
    using Teller = std::function<void(const std::string& text)>;
    static void SetTeller(Teller teller);
    static void Tell(const std::string& text);
};

} // namespace mervadin
