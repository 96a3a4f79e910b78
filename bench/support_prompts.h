#pragma once
// Message boxes that nobody answers, for benchmarks.

#include "common/prompts.h"

namespace mervadin::bench {

class SilentPrompts : public Prompts {
public:
    void Inform(const ShownText&, const ShownText&) override {}
    Answer Ask(const ShownText&, const ShownText&) override { return Answer::Cancel; }
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path&,
                                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> OpenFileName(const std::filesystem::path&,
                                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
};

} // namespace mervadin::bench
