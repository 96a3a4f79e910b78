#pragma once
// Message boxes on the screen, through the Prompts interface.

#include "app/prompts.h"

#include <QString>

namespace mervadin {

// The tool's own texts are UTF-8 in the source; this is how they reach Qt.
inline QString ToQString(const std::string& text) { return QString::fromUtf8(text); }

class QtPrompts : public Prompts {
public:
    void Inform(const std::string& caption, const std::string& text) override;
    bool Ask(const std::string& caption, const std::string& text) override;
};

} // namespace mervadin
