#include "ui/qt_prompts.h"

#include "qtcore/qt_paths.h"
#include "qtcore/translation.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace mervadin {

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

void QtPrompts::Inform(const ShownText& caption, const ShownText& text) {
    QMessageBox box(QMessageBox::NoIcon, Shown(caption), Shown(text), QMessageBox::Ok);
    FitCaption(box);
    box.exec();
}

Prompts::Answer QtPrompts::Ask(const ShownText& caption, const ShownText& text) {
    QMessageBox box(QMessageBox::Question, Shown(caption), Shown(text),
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

bool QtPrompts::Confirm(const ShownText& caption, const ShownText& text) {
    QMessageBox box(QMessageBox::Question, Shown(caption), Shown(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    FitCaption(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::size_t> QtPrompts::Choose(const ShownText& caption, const ShownText& text,
                                             const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, Shown(caption), Shown(text), QMessageBox::Cancel);
    std::vector<QAbstractButton*> buttons;
    buttons.reserve(choices.size());
    for (const auto& choice : choices)
        buttons.push_back(box.addButton(ToQString(choice), QMessageBox::AcceptRole));
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
