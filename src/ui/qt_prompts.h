#pragma once
// Message boxes on the screen, through the Prompts interface.

#include "common/prompts.h"

#include <QString>

#include <string>
#include <vector>

namespace mervadin {

// The tool's own texts are UTF-8 in the source; this is how they reach Qt.
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text);
}

class QtPrompts : public Prompts {
public:
    void Inform(const ShownText& caption, const ShownText& text) override;
    Answer Ask(const ShownText& caption, const ShownText& text) override;
    bool Confirm(const ShownText& caption, const ShownText& text) override;
    std::optional<std::size_t> Choose(const ShownText& caption, const ShownText& text,
                                      const std::vector<std::string>& choices) override;
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder,
                                                      const std::string& filter) override;
    std::optional<std::filesystem::path> OpenFileName(
        const std::filesystem::path& folder, const std::vector<std::string>& filters) override;
};

} // namespace mervadin
