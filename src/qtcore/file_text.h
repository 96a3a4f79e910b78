#pragma once
// The text of the data files and of the device's text fields as the
// windows show it, and typed text back to bytes: the one border between
// the bytes the tool keeps and the characters on the screen, in the
// encoding chosen for the run (see TextCodec).

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace mervadin {

// Bytes as shown: those not valid in the encoding show as replacement marks.
QString FromFileText(const std::string& bytes);
// Shown text as bytes: characters the encoding cannot hold become its
// substitute character.
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

} // namespace mervadin
