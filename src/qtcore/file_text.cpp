#include "qtcore/file_text.h"

#include "qtcore/text_codec.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace mervadin {

QString FromFileText(const std::string& bytes) {
    return TextCodec::Chosen().Decode(bytes);
}

std::string ToFileText(const QString& text) {
    return TextCodec::Chosen().Encode(text);
}

std::vector<std::string> ShownLinesAsBytes(const std::vector<std::string>& loaded,
                                           const QString& shown) {
    QStringList asShown;
    for (const auto& line : loaded)
        asShown << FromFileText(line);
    return ShownLinesAsBytes(loaded, asShown, shown);
}

namespace {

// A line as a text box gives it back: QTextDocument::toPlainText turns a
// no-break space into a blank and its paragraph and frame marks into line
// breaks.
QString AsGivenBack(QString line) {
    for (QChar& c : line) {
        switch (c.unicode()) {
        case 0xFDD0: // the start and end of a frame
        case 0xFDD1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return line;
}

// Finds the loaded line a line of the box still is, by its text: the
// first not yet taken after the last one found (lines keep their order
// when others are inserted or deleted around them), else the first not
// yet taken anywhere (a line moved up), else any (a line copied).
class LoadedLineFinder {
public:
    explicit LoadedLineFinder(const QStringList& asShown) {
        for (qsizetype i = 0; i < asShown.size(); ++i)
            places_[AsGivenBack(asShown[i])].at.push_back(static_cast<std::size_t>(i));
        taken_.resize(static_cast<std::size_t>(asShown.size()), false);
    }

    std::optional<std::size_t> Find(const QString& line) {
        const auto found = places_.find(line);
        if (found == places_.end())
            return std::nullopt;
        Places& places = found.value();
        // Every place from next_ on is free: a line taken in order moves
        // next_ past it, and one taken out of order lies before next_.
        const auto after = std::lower_bound(places.at.begin(), places.at.end(), next_);
        if (after != places.at.end()) {
            next_ = *after + 1;
            return Take(*after);
        }
        while (places.firstFree < places.at.size() && taken_[places.at[places.firstFree]])
            ++places.firstFree;
        if (places.firstFree < places.at.size())
            return Take(places.at[places.firstFree]);
        return places.at.front();
    }

private:
    struct Places {
        std::vector<std::size_t> at; // ascending
        std::size_t firstFree = 0;   // none before it is free
    };
    std::size_t Take(std::size_t at) {
        taken_[at] = true;
        return at;
    }

    QHash<QString, Places> places_;
    std::vector<bool> taken_;
    std::size_t next_ = 0;
};

} // namespace

std::vector<std::string> ShownLinesAsBytes(const std::vector<std::string>& loaded,
                                           const QStringList& asShown, const QString& shown) {
    std::vector<std::string> lines;
    if (shown.isEmpty())
        return lines;
    const qsizetype known = std::min(asShown.size(), static_cast<qsizetype>(loaded.size()));
    LoadedLineFinder finder(asShown.first(known));
    const QStringList parts = shown.split('\n');
    lines.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& part : parts) {
        const auto at = finder.Find(part);
        lines.push_back(at ? loaded[*at] : ToFileText(part));
    }
    return lines;
}

QString LinesAsShown(const std::vector<std::string>& lines) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        shown << FromFileText(line);
    return shown.join('\n');
}

} // namespace mervadin
