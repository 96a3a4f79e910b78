// How the settings editor lays out its lists, texts, SMS and task times,
// and fits them to its screen.

#include "qtcore/translation.h"
#include "settings/settings_names.h"
#include "settings/settings_window.h"
#include "ui/designed.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <vector>

namespace mervadin {

namespace {

constexpr int kColumns = 3;

constexpr int kControlWidth = 64;

std::vector<const ListControl*> ListsIn(ControlPlace place) {
    std::vector<const ListControl*> found;
    for (const auto& list : SettingsLists())
        if (list.place == place)
            found.push_back(&list);
    return found;
}

} // namespace

// The settings group goes into an area that scrolls when the window is cut
// to a small screen; the buttons stay in view.
void SettingsWindow::ScrollSettings() {
    auto* group = findChild<QGroupBox*>("Settings");
    layout()->removeWidget(group);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("SettingsScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(group);
    layout()->addWidget(scroll);
}

void SettingsWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, QString> captions[] = {
        {names::settings::kDefaultButton, tr("Default")},
        {names::settings::kSaveButton, tr("Save")},
        {names::settings::kSaveExitButton, tr("Save&&Exit")},
        {names::settings::kExitButton, tr("Exit")}};
    std::vector<QPushButton*> made;
    for (const auto& [name, caption] : captions) {
        auto* button = MakeButton(this, name, caption);
        buttons->addWidget(button);
        made.push_back(button);
    }
    buttons->addStretch();
    connect(made[0], &QPushButton::clicked, this, &SettingsWindow::Default);
    connect(made[1], &QPushButton::clicked, this, &SettingsWindow::Save);
    connect(made[2], &QPushButton::clicked, this, &SettingsWindow::SaveAndExit);
    connect(made[3], &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    auto* group = new QGroupBox(this);
    group->setObjectName("Settings");
    columns_ = new QBoxLayout(QBoxLayout::LeftToRight, group);
    columns_->addWidget(BuildListColumns(), 1);
    auto* right = new QWidget(group);
    right->setMinimumWidth(250);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(BuildSmsBox());
    rightLayout->addWidget(BuildTaskWork());
    columns_->addWidget(right);
    layout->addWidget(group);
}

QWidget* SettingsWindow::BuildListColumns() {
    auto* area = new QWidget(this);
    listGrid_ = new QGridLayout(area);
    listGrid_->setVerticalSpacing(2);
    listGrid_->setHorizontalSpacing(4);
    listGrid_->setContentsMargins(0, 0, 0, 0);
    auto place = [&](const QString& label, QWidget* control, bool hidden) {
        auto* caption = new QLabel(label, area);
        caption->setBuddy(control);
        // A text box keeps its width; a list is as wide as its longest choice,
        // and never narrower than the usual width.
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            list->setMinimumWidth(std::max(kControlWidth, list->sizeHint().width()));
        } else {
            control->setFixedWidth(TextWidth(*static_cast<QLineEdit*>(control)));
        }
        caption->setVisible(!hidden);
        control->setVisible(!hidden);
        entries_.push_back({caption, control, hidden});
    };
    for (const auto& text : SettingsTexts())
        if (text.place == ControlPlace::Columns)
            place(UiMarked(text.label.c_str()), MakeText(area, text), false);
    for (const auto* list : ListsIn(ControlPlace::Columns))
        place(UiMarked(list->label.c_str()), MakeList(area, *list), list->hidden);
    for (const auto& text : SettingsTexts())
        if (text.place == ControlPlace::ColumnsEnd)
            place(UiMarked(text.label.c_str()), MakeText(area, text), false);
    PlaceListColumns(kColumns);
    return area;
}

// The shown controls fill `columns` columns top to bottom, each beside its
// label.
void SettingsWindow::PlaceListColumns(int columns) {
    while (QLayoutItem* item = listGrid_->takeAt(0))
        delete item; // the widgets stay; they are placed again below
    const auto shown = std::count_if(entries_.begin(), entries_.end(),
                                     [](const ListEntry& e) { return !e.hidden; });
    const int rows = static_cast<int>((shown + columns - 1) / columns);
    int slot = 0;
    for (const auto& entry : entries_) {
        const int row = slot % rows, column = slot / rows * 2;
        listGrid_->addWidget(entry.caption, row, column);
        listGrid_->addWidget(entry.control, row, column + 1);
        if (!entry.hidden)
            ++slot;
    }
}

// On a screen narrower than the window's usual width, the SMS and the task
// times go below the lists, and the lists take fewer columns while that
// makes the window fit; what still does not scrolls.
void SettingsWindow::FitToScreen() {
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const int room = shownOn->availableGeometry().width() - kFrameWidth;
    // The layouts keep the sizes their widgets asked for until told that
    // those changed; without that, every width asked would be the first one.
    const auto tooWide = [&] {
        listGrid_->parentWidget()->updateGeometry();
        columns_->parentWidget()->updateGeometry();
        return sizeHint().width() > room;
    };
    if (!tooWide())
        return;
    columns_->setDirection(QBoxLayout::TopToBottom);
    for (int columns = kColumns; columns > 1 && tooWide(); --columns)
        PlaceListColumns(columns - 1);
}

QWidget* SettingsWindow::BuildSmsBox() {
    auto* box = new QGroupBox(tr("SMS"), this);
    auto* layout = new QVBoxLayout(box);
    sms_ = new Designed<QPlainTextEdit>({250, 120}, box);
    sms_->setObjectName(names::settings::kSmsBox);
    sms_->setTabChangesFocus(true); // a tab is no character of an SMS
    connect(sms_, &QPlainTextEdit::textChanged, this, &SettingsWindow::LimitSmsTyping);
    layout->addWidget(sms_);
    smsBytes_ = new QLabel(box);
    smsBytes_->setObjectName(names::settings::kSmsBytes);
    smsBytes_->setAlignment(Qt::AlignRight);
    layout->addWidget(smsBytes_);
    return box;
}

QWidget* SettingsWindow::BuildTaskWork() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    auto* switchRow = new QHBoxLayout;
    auto* label = new QLabel(tr("Task Work"), box);
    switchRow->addWidget(label);
    auto* taskSwitch = MakeList(box, *ListsIn(ControlPlace::TaskSwitch).at(0));
    label->setBuddy(taskSwitch);
    switchRow->addWidget(taskSwitch);
    layout->addLayout(switchRow);
    auto* table = new QGroupBox(tr("  Start--------------End"), box);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(2);
    const auto periods = ListsIn(ControlPlace::TaskPeriod);
    for (int i = 0; i < static_cast<int>(periods.size()); ++i) {
        const int row = i / 4;
        if (i % 4 == 0)
            grid->addWidget(new QLabel(QString::number(row + 1), table), row, 0);
        auto* list = MakeList(table, *periods[static_cast<std::size_t>(i)]);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMinimumWidth(std::max(50, list->sizeHint().width()));
        grid->addWidget(list, row, i % 4 + 1);
    }
    layout->addWidget(table);
    return box;
}

// Wide enough for as many digits as the field takes, never narrower than
// the usual width.
int SettingsWindow::TextWidth(const QLineEdit& edit) {
    const int characters = edit.property("shownCharacters").toInt();
    const int margins = 12; // the frame and the text's inner margins
    return std::max(kControlWidth,
                    edit.fontMetrics().horizontalAdvance('0') * characters + margins);
}

} // namespace mervadin
