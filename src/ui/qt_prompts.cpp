#include "ui/qt_prompts.h"

#include "qtcore/qt_paths.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>

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

namespace {

// A box at least as wide as its caption needs in the title bar, which the
// window manager cuts to the box's width: the caption in a bold title font,
// and room for the bar's icon and buttons.
void FitCaption(QMessageBox& box) {
    QFont title = box.font();
    title.setBold(true);
    const int wanted = QFontMetrics(title).horizontalAdvance(box.windowTitle()) * 6 / 5 + 140;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void QtPrompts::Inform(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Ui(caption), Ui(text), QMessageBox::Ok);
    FitCaption(box);
    box.exec();
}

Prompts::Answer QtPrompts::Ask(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, Ui(caption), Ui(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    FitCaption(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtPrompts::Confirm(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, Ui(caption), Ui(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    FitCaption(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::size_t> QtPrompts::Choose(const std::string& caption, const std::string& text,
                                             const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, Ui(caption), Ui(text), QMessageBox::Cancel);
    std::vector<QAbstractButton*> buttons;
    buttons.reserve(choices.size());
    for (const auto& choice : choices)
        buttons.push_back(box.addButton(Ui(choice), QMessageBox::AcceptRole));
    if (!buttons.empty())
        box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(QMessageBox::Cancel);
    FitCaption(box);
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    if (chosen == buttons.end())
        return std::nullopt;
    return static_cast<std::size_t>(chosen - buttons.begin());
}

std::optional<std::filesystem::path> QtPrompts::SaveFileName(const std::filesystem::path& folder,
                                                             const std::string& filter) {
    // "Text Files(*.txt)|*.txt" becomes Qt's "Text Files(*.txt)"; file
    // types are separated by ";;", the first chosen.
    QStringList names;
    for (const auto& type : QString::fromStdString(filter).split(";;"))
        names << type.section('|', 0, 0);
    QFileDialog dialog(nullptr, QString(), TextOf(folder));
    dialog.setNameFilters(names);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets the chosen type's.
    const auto suffixOf = [](const QString& type) {
        const int dot = type.indexOf("*.");
        return dot < 0 ? QString("txt") : type.mid(dot + 2).section(')', 0, 0).section(' ', 0, 0);
    };
    dialog.setDefaultSuffix(suffixOf(names.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& type) { dialog.setDefaultSuffix(suffixOf(type)); });
    // Replacing an existing file is asked by the tool itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathOf(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> QtPrompts::OpenFileName(
    const std::filesystem::path& folder, const std::vector<std::string>& filters) {
    QStringList names;
    for (const auto& filter : filters)
        names << QString::fromStdString(filter);
    QFileDialog dialog(nullptr, QString(), TextOf(folder));
    dialog.setNameFilters(names);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathOf(dialog.selectedFiles().front());
}

} // namespace mervadin
