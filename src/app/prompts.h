#pragma once
// Message boxes as an interface, so that windows and operations can be
// answered by tests and printed by the command-line tool.

#include <string>

namespace mervadin {

class Prompts {
public:
    virtual ~Prompts() = default;
    // An information box with an OK button.
    virtual void Inform(const std::string& caption, const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Ask(const std::string& caption, const std::string& text) = 0;
};

} // namespace mervadin
