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

// Data files and the device's text fields, shown and typed in the chosen
// encoding (see TextCodec).
QString FromFileText(const std::string& bytes);
std::string ToFileText(const QString& text);
// The lines of a text box for a file: a line still as it was loaded goes
// out byte for byte wherever it has moved (found by its text, in order),
// any other is encoded: bytes the encoding cannot show survive lines
// inserted or deleted above them.
std::vector<std::string> ShownLinesAsBytes(const std::vector<std::string>& loaded,
                                           const QString& shown);
// The same where the box showed `loaded` as `asShown` (a line each; a
// window's own lines, say, in the language of the windows): a line still
// as it was shown goes out as it was loaded.
std::vector<std::string> ShownLinesAsBytes(const std::vector<std::string>& loaded,
                                           const QStringList& asShown, const QString& shown);
// Lines of a file for a text box.
QString LinesAsShown(const std::vector<std::string>& lines);

class QtPrompts : public Prompts {
public:
    void Inform(const std::string& caption, const std::string& text) override;
    Answer Ask(const std::string& caption, const std::string& text) override;
    bool Confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::size_t> Choose(const std::string& caption, const std::string& text,
                                      const std::vector<std::string>& choices) override;
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder,
                                                      const std::string& filter) override;
    std::optional<std::filesystem::path> OpenFileName(
        const std::filesystem::path& folder, const std::vector<std::string>& filters) override;
};

} // namespace mervadin
