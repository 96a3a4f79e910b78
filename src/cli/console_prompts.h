#pragma once
// Message boxes of the command-line tool: "[CAPTION] text" on standard
// output. Questions are answered No, choices and file dialogs are
// cancelled: the command line names its files itself.

#include "common/prompts.h"

#include <iostream>

namespace mervadin {

class ConsolePrompts : public Prompts {
public:
    explicit ConsolePrompts(std::ostream& out = std::cout) : out_(out) {}

    void Inform(const ShownText& caption, const ShownText& text) override {
        out_ << '[' << caption.Text() << "] " << text.Text() << '\n';
    }
    Answer Ask(const ShownText& caption, const ShownText& text) override {
        out_ << '[' << caption.Text() << "] " << text.Text() << " No\n";
        return Answer::No;
    }
    std::optional<std::size_t> Choose(const ShownText& caption, const ShownText& text,
                                      const std::vector<std::string>&) override {
        out_ << '[' << caption.Text() << "] " << text.Text() << " Cancel\n";
        return std::nullopt;
    }
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path&,
                                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> OpenFileName(const std::filesystem::path&,
                                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }

private:
    std::ostream& out_;
};

} // namespace mervadin
