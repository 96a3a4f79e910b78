#pragma once
// Checks of an option's value that the command line's parser runs: a value
// refused here ends the program with the parser's message and kBadUsage.
// They carry no name, so that the help shows only the value's kind ("DIR").

#include "options/option_texts.h"

#include <CLI/CLI.hpp>
#include <string>

namespace mervadin {

// Refuses an empty value with `error`.
inline CLI::Validator NotEmpty(const std::string& error) {
    return CLI::Validator(
        [error](const std::string& value) { return value.empty() ? error : std::string(); }, "");
}

// Refuses a value holding a line break or another control character.
inline CLI::Validator OneLine() {
    return CLI::Validator(
        [](const std::string& value) {
            for (const char c : value)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    return std::string(texts::options::kControlCharacter);
            return std::string();
        },
        "");
}

} // namespace mervadin
