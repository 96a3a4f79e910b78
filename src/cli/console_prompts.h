#pragma once
// Message boxes of the command-line tool: "[CAPTION] text" on standard
// output. Questions are answered by a fixed choice given on the command line.

#include "app/prompts.h"

#include <iostream>

namespace mervadin {

class ConsolePrompts : public Prompts {
public:
    explicit ConsolePrompts(std::ostream& out = std::cout, bool answer = false)
        : out_(out), answer_(answer) {}

    void Inform(const std::string& caption, const std::string& text) override {
        out_ << '[' << caption << "] " << text << '\n';
    }
    bool Ask(const std::string& caption, const std::string& text) override {
        out_ << '[' << caption << "] " << text << (answer_ ? " Yes" : " No") << '\n';
        return answer_;
    }

private:
    std::ostream& out_;
    bool answer_;
};

} // namespace mervadin
