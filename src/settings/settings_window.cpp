#include "settings/settings_window.h"

#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "qtcore/file_text.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_names.h"
#include "settings/settings_texts.h"
#include "ui/file_work.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QValidator>

namespace mervadin {

// Refuses typing anything but digits (each box holds a count, a time or a
// telephone number) or past a number of bytes, but keeps (and lets the
// operator edit) a text from the file that breaks these limits: a letter
// already there can be deleted, none can be added.
class TypingLimit : public QValidator {
public:
    TypingLimit(QObject* parent, std::size_t limit)
        : QValidator(parent), limit_(limit), allowed_(limit) {}
    void Loaded(const QString& text) {
        allowed_ = std::max(limit_, Bytes(text));
        accepted_ = text;
    }
    // The box has already taken the edit when it asks: the text before it is
    // the last one accepted.
    State validate(QString& input, int&) const override {
        if (Bytes(input) > allowed_)
            return Invalid;
        if (NonDigits(input) > NonDigits(accepted_))
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
    mutable QString accepted_;
};

SettingsWindow::SettingsWindow(std::filesystem::path configFile, Prompts& prompts, QWidget* parent)
    : QDialog(parent), configFile_(std::move(configFile)), prompts_(prompts) {
    setObjectName(names::settings::kWindow);
    setWindowTitle(tr("Setting"));
    BuildControls();
    FitToScreen();
    // The usual size, or larger where the fonts need it so that every
    // label and choice shows whole; on a screen too small for that, what
    // fits, the settings scrolling below the buttons.
    wanted_ = ClientSize(858, 540).expandedTo(sizeHint());
    ScrollSettings();
    FixSizeOnScreen(*this, wanted_);
    MoveOnScreen(*this, {244, 100});
    Load();
    // The first field has the focus, not Default, which Enter would press.
    texts_.at(SettingsTexts().front().key)->setFocus();
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
    }
    smsLength_ = length();
    ShowSmsBytes();
}

void SettingsWindow::ShowSmsBytes() {
    smsBytes_->setText(UiMarked(texts::settings::kSmsBytes).arg(smsLength_).arg(kSmsMaxBytes));
}

QComboBox* SettingsWindow::MakeList(QWidget* parent, const ListControl& control) {
    auto* box = new QComboBox(parent);
    box->setObjectName(ToQString(control.name));
    for (const auto& item : control.items)
        box->addItem(UiMarkedAroundNumber(item.c_str()));
    lists_[control.key] = box;
    return box;
}

QLineEdit* SettingsWindow::MakeText(QWidget* parent, const TextControl& control) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ToQString(control.name));
    edit->setMaxLength(std::max(control.maxLength, 1) * 8); // the bytes are limited below
    edit->setProperty("shownCharacters", control.maxLength);
    limits_[control.key] = new TypingLimit(edit, static_cast<std::size_t>(control.maxLength));
    edit->setValidator(limits_[control.key]);
    texts_[control.key] = edit;
    return edit;
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
    const bool loaded = RunFileWork(prompts_, [this] {
        FillDefaultSettingsIfShort(configFile_);
        const std::string config = ReadFileBytes(configFile_);
        loaded_ = LoadSettingsForm(SettingsIndex::OfText(config));
    });
    if (!loaded)
        return false;
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
    ShowSmsBytes();
}

std::string SettingsWindow::TextOf(const std::string* original, const QString& shown) const {
    // A value the operator did not change goes back byte for byte, even when
    // it is not valid text in the chosen encoding. When the file could not
    // be read on opening there is nothing to keep.
    if (!original)
        return ToFileText(shown);
    return shown == FromFileText(*original) ? *original : ToFileText(shown);
}

SettingsFormValues SettingsWindow::Collect() const {
    SettingsFormValues values;
    for (const auto& [key, box] : lists_)
        values.lists[key] = box->currentIndex();
    for (const auto& [key, edit] : texts_) {
        const auto found = loaded_.texts.find(key);
        values.texts[key] =
            TextOf(found == loaded_.texts.end() ? nullptr : &found->second, edit->text());
    }
    values.sms = TextOf(&loaded_.sms, sms_->toPlainText().remove('\n'));
    return values;
}

bool SettingsWindow::Save() {
    // A value the block cannot carry (a count with letters would go out as
    // 0) is refused, named by its label: nothing is saved until it is mended.
    if (const auto refused = TextsNotNumbers(Collect()); !refused.empty()) {
        const TextControl& first = *refused.front();
        const QString why = UiMarked(first.telephone ? texts::settings::kFieldNotTelephone
                                                     : texts::settings::kFieldNotNumber);
        prompts_.Inform(
            texts::common::kErrorCaption,
            why.arg(UiMarked(first.label.c_str()), texts_.at(first.key)->text()).toStdString());
        texts_.at(first.key)->setFocus();
        texts_.at(first.key)->selectAll();
        return false;
    }
    const bool saved = RunFileWork(prompts_, [this] {
        const auto lock = FolderLock::Beside(configFile_);
        const std::string config =
            ApplySettings(ReadFileBytes(configFile_), SettingsOfForm(Collect()));
        WriteFileAtomically(configFile_, config);
        loaded_ = LoadSettingsForm(SettingsIndex::OfText(config));
    });
    if (!saved)
        return false;
    prompts_.Inform(texts::settings::kSettingsSavedCaption, texts::settings::kSettingsSavedBox);
    return true;
}

void SettingsWindow::Default() {
    if (!RunFileWork(prompts_, [this] { RestoreDefaultSettings(configFile_); }))
        return;
    if (Load())
        prompts_.Inform(texts::settings::kSettingsBoxCaption, texts::settings::kDefaultSettingsBox);
}

void SettingsWindow::SaveAndExit() {
    if (Save())
        accept();
}

} // namespace mervadin
