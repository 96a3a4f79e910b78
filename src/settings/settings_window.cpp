#include "settings/settings_window.h"

#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_names.h"
#include "settings/settings_texts.h"
#include "ui/designed.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QValidator>

namespace mervadin {

namespace {

constexpr int kColumns = 3;

constexpr int kControlWidth = 64;

const ListControl& ListByKey(const std::string& key) {
    for (const auto& list : SettingsLists())
        if (list.key == key)
            return list;
    throw std::logic_error("no list for " + key);
}

} // namespace

// Refuses typing past a number of bytes in the chosen encoding, and in a
// number field typing anything but digits, but keeps (and lets the operator
// edit) a text that came from the file, where the box's own limits would cut
// it: a letter already there can be deleted, none can be added.
class TypingLimit : public QValidator {
public:
    TypingLimit(QObject* parent, std::size_t limit, bool digitsOnly)
        : QValidator(parent), limit_(limit), allowed_(limit), digitsOnly_(digitsOnly) {}
    void Loaded(const QString& text) {
        allowed_ = std::max(limit_, Bytes(text));
        accepted_ = text;
    }
    // The box has already taken the edit when it asks: the text before it is
    // the last one accepted.
    State validate(QString& input, int&) const override {
        if (Bytes(input) > allowed_)
            return Invalid;
        if (digitsOnly_ && NonDigits(input) > NonDigits(accepted_))
            return Invalid;
        accepted_ = input;
        return Acceptable;
    }

private:
    static std::size_t Bytes(const QString& text) { return TextCodec::Chosen().EncodedSize(text); }
    static qsizetype NonDigits(const QString& text) {
        return std::count_if(text.begin(), text.end(),
                             [](QChar c) { return c < u'0' || c > u'9'; });
    }

    std::size_t limit_;
    std::size_t allowed_;
    bool digitsOnly_;
    mutable QString accepted_;
};

SettingsWindow::SettingsWindow(std::filesystem::path configFile, Prompts& prompts, QWidget* parent)
    : QDialog(parent), configFile_(std::move(configFile)), prompts_(prompts) {
    setObjectName(names::settings::kWindow);
    setWindowTitle(Ui("Setting"));
    BuildControls();
    // The usual size, or larger where the fonts need it so that every
    // label and choice shows whole; on a screen too small for that, what
    // fits, the settings scrolling below the buttons.
    wanted_ = ClientSize(858, 540).expandedTo(sizeHint());
    ScrollSettings();
    FixSizeOnScreen(*this, wanted_);
    MoveOnScreen(*this, {244, 100});
    Load();
    // The first field has the focus, not the Default button, which Enter
    // would press.
    texts_.at("dial out every time=")->setFocus();
}

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
        {names::settings::kDefaultButton, Ui("Default")},
        {names::settings::kSaveButton, Ui("Save")},
        {names::settings::kSaveExitButton, Ui("Save&&Exit")},
        {names::settings::kExitButton, Ui("Exit")}};
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
    auto* columns = new QHBoxLayout(group);
    columns->addWidget(BuildListColumns(), 1);
    auto* right = new QWidget(group);
    right->setMinimumWidth(250);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(BuildSmsBox());
    rightLayout->addWidget(BuildTaskWork());
    columns->addWidget(right);
    layout->addWidget(group);
}

QWidget* SettingsWindow::BuildListColumns() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    grid->setContentsMargins(0, 0, 0, 0);
    struct Entry {
        QString label;
        QWidget* control;
        bool hidden;
    };
    std::vector<Entry> entries;
    auto place = [&](const QString& label, QWidget* control, bool hidden) {
        entries.push_back({label, control, hidden});
    };
    for (const auto& text : SettingsTexts())
        if (text.key != "hoster number=" && text.key != "dial number counter=")
            place(Ui(text.label), MakeText(area, text), false);
    for (const auto& list : SettingsLists())
        if (!list.label.empty() && list.key != "auto dial switch=")
            place(Ui(list.label), MakeList(area, list), list.hidden);
    for (const auto& text : SettingsTexts())
        if (text.key == "hoster number=" || text.key == "dial number counter=")
            place(Ui(text.label), MakeText(area, text), false);

    // The shown controls fill three columns top to bottom.
    const auto shown =
        std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return !e.hidden; });
    const int rows = static_cast<int>((shown + kColumns - 1) / kColumns);
    int slot = 0;
    for (const auto& entry : entries) {
        auto* caption = new QLabel(entry.label, area);
        caption->setBuddy(entry.control);
        const int row = slot % rows, column = slot / rows * 2;
        grid->addWidget(caption, row, column);
        // A text box keeps its width; a list is as wide as its longest choice,
        // and never narrower than the usual width.
        if (auto* list = qobject_cast<QComboBox*>(entry.control)) {
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            list->setMinimumWidth(std::max(kControlWidth, list->sizeHint().width()));
        } else {
            entry.control->setFixedWidth(TextWidth(*static_cast<QLineEdit*>(entry.control)));
        }
        grid->addWidget(entry.control, row, column + 1);
        caption->setVisible(!entry.hidden);
        entry.control->setVisible(!entry.hidden);
        if (!entry.hidden)
            ++slot;
    }
    return area;
}

QWidget* SettingsWindow::BuildSmsBox() {
    auto* box = new QGroupBox(Ui("SMS"), this);
    auto* layout = new QVBoxLayout(box);
    sms_ = new Designed<QPlainTextEdit>({250, 120}, box);
    sms_->setObjectName(names::settings::kSmsBox);
    sms_->setTabChangesFocus(true); // a tab is no character of an SMS
    connect(sms_, &QPlainTextEdit::textChanged, this, &SettingsWindow::LimitSmsTyping);
    layout->addWidget(sms_);
    return box;
}

QWidget* SettingsWindow::BuildTaskWork() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    auto* switchRow = new QHBoxLayout;
    auto* label = new QLabel(Ui("Task Work"), box);
    switchRow->addWidget(label);
    auto* taskSwitch = MakeList(box, ListByKey("auto dial switch="));
    label->setBuddy(taskSwitch);
    switchRow->addWidget(taskSwitch);
    layout->addLayout(switchRow);
    auto* table = new QGroupBox(Ui("  Start--------------End"), box);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(2);
    for (int row = 0; row < 4; ++row) {
        const std::string n = std::to_string(row + 1);
        grid->addWidget(new QLabel(QString::fromStdString(n), table), row, 0);
        int column = 1;
        for (const char* part :
             {"start%1 hour=", "start%1 minute=", "end%1 hour=", "end%1 minute="}) {
            auto* list = MakeList(table, ListByKey(QString(part).arg(row + 1).toStdString()));
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            list->setMinimumWidth(std::max(50, list->sizeHint().width()));
            grid->addWidget(list, row, column++);
        }
    }
    layout->addWidget(table);
    return box;
}

// At most 96 bytes may be typed (line breaks do not count: the save joins
// the lines); a longer text that came from the file is kept. Characters
// typed past the limit are taken back one by one, whole.
void SettingsWindow::LimitSmsTyping() {
    const auto length = [this] {
        return TextCodec::Chosen().EncodedSize(sms_->toPlainText().remove('\n'));
    };
    const std::size_t allowed = std::max(smsLength_, kSmsMaxBytes);
    if (length() > allowed) {
        const QSignalBlocker blocker(sms_);
        QTextCursor cursor = sms_->textCursor();
        while (length() > allowed && cursor.position() > 0)
            cursor.deletePreviousChar();
        return;
    }
    smsLength_ = length();
}

QComboBox* SettingsWindow::MakeList(QWidget* parent, const ListControl& control) {
    auto* box = new QComboBox(parent);
    box->setObjectName(ToQString(control.name));
    for (const auto& item : control.items)
        box->addItem(UiAroundNumber(item));
    lists_[control.key] = box;
    return box;
}

QLineEdit* SettingsWindow::MakeText(QWidget* parent, const TextControl& control) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ToQString(control.name));
    edit->setMaxLength(std::max(control.maxLength, 1) * 8); // the bytes are limited below
    edit->setProperty("shownCharacters", control.maxLength);
    limits_[control.key] =
        new TypingLimit(edit, static_cast<std::size_t>(control.maxLength), control.digitsOnly);
    edit->setValidator(limits_[control.key]);
    texts_[control.key] = edit;
    return edit;
}

// Wide enough for as many digits as the field takes, never narrower than
// the usual width.
int SettingsWindow::TextWidth(const QLineEdit& edit) {
    const int characters = edit.property("shownCharacters").toInt();
    const int margins = 12; // the frame and the text's inner margins
    return std::max(kControlWidth,
                    edit.fontMetrics().horizontalAdvance('0') * characters + margins);
}

void SettingsWindow::keyPressEvent(QKeyEvent* event) {
    // Esc leaves as on any desktop, but changes are not thrown away without
    // a word: with unsaved changes it asks first (No the default).
    if (event->key() == Qt::Key_Escape) {
        if (Collect() == loaded_ ||
            prompts_.Confirm(windowTitle().toStdString(), texts::settings::kLeaveUnsaved))
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SettingsWindow::Load() {
    try {
        FillDefaultSettingsIfShort(configFile_);
        const std::string config = ReadFileBytes(configFile_);
        loaded_ = LoadSettingsForm(SettingsIndex::OfText(config));
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return false;
    }
    Show(loaded_);
    return true;
}

void SettingsWindow::Show(const SettingsFormValues& values) {
    for (auto& [key, box] : lists_)
        box->setCurrentIndex(values.lists.at(key));
    for (auto& [key, edit] : texts_) {
        const QString text = FromFileText(values.texts.at(key));
        limits_.at(key)->Loaded(text);
        edit->setText(text);
    }
    const QSignalBlocker blocker(sms_);
    sms_->clear();
    sms_->setPlainText(FromFileText(values.sms));
    smsLength_ = TextCodec::Chosen().EncodedSize(sms_->toPlainText().remove('\n'));
}

std::string SettingsWindow::TextOf(const std::string& key, const QString& shown) const {
    // A value the operator did not change goes back byte for byte, even when
    // it is not valid text in the chosen encoding. When the file could not
    // be read on opening there is nothing to keep.
    const auto found = loaded_.texts.find(key);
    if (key != kSmsKey && found == loaded_.texts.end())
        return ToFileText(shown);
    const std::string& original = key == kSmsKey ? loaded_.sms : found->second;
    return shown == FromFileText(original) ? original : ToFileText(shown);
}

SettingsFormValues SettingsWindow::Collect() const {
    SettingsFormValues values;
    for (const auto& [key, box] : lists_)
        values.lists[key] = box->currentIndex();
    for (const auto& [key, edit] : texts_)
        values.texts[key] = TextOf(key, edit->text());
    values.sms = TextOf(kSmsKey, sms_->toPlainText().remove('\n'));
    return values;
}

bool SettingsWindow::Save() {
    // A count or a time with letters would be written to the device as 0:
    // nothing is saved until the field is mended.
    if (const auto refused = TextsNotNumbers(Collect()); !refused.empty()) {
        const TextControl& first = *refused.front();
        prompts_.Inform(texts::common::kErrorCaption,
                        first.label + ": \"" + texts_.at(first.key)->text().toStdString() +
                            "\" is not a number (digits only); nothing was saved.");
        texts_.at(first.key)->setFocus();
        texts_.at(first.key)->selectAll();
        return false;
    }
    try {
        const auto lock = FolderLock::Beside(configFile_);
        const std::string config =
            ApplySettings(ReadFileBytes(configFile_), SettingsOfForm(Collect()));
        WriteFileAtomically(configFile_, config);
        loaded_ = LoadSettingsForm(SettingsIndex::OfText(config));
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return false;
    }
    prompts_.Inform(texts::settings::kSettingsSavedCaption, texts::settings::kSettingsSavedBox);
    return true;
}

void SettingsWindow::Default() {
    try {
        RestoreDefaultSettings(configFile_);
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    if (Load())
        prompts_.Inform(texts::settings::kSettingsBoxCaption, texts::settings::kDefaultSettingsBox);
}

void SettingsWindow::SaveAndExit() {
    if (Save())
        accept();
}

} // namespace mervadin
