#pragma once
// The number list window: imports LoadNumber.txt from a text file or a
// workbook, shows it, shows the call record lines of any text file, and
// saves what it shows. The workbook is read a few rows per turn of the event
// loop, so the window answers (Stop above all) while it reads.

#include "common/prompts.h"
#include "files/text_lines.h"
#include "files/work_folder.h"
#include "numbers/number_packing.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace mervadin {

class SheetImport;

// What the window reaches beyond the list, given by whoever opens it: the
// numbers never to call (left out of the imports, named by the editor's
// check) and the windows of the calling round, each opened over the window
// handed to it. A button whose window is not given is not shown. The
// outcome's window says whether it replaced LoadNumber.txt.
struct NumberListLinks {
    BlockedNumbersSource blocked;
    std::function<void(QWidget* over)> openBlockList;
    std::function<bool(QWidget* over)> openOutcome;
};

class NumberListWindow : public QDialog {
    Q_OBJECT
public:
    NumberListWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr,
                     NumberListLinks links = {});
    ~NumberListWindow() override;

    void LoadText();
    void LoadWorkbook();
    void Stop() { stopRequested_ = true; }
    // "open": shows a text file's lines without storing them.
    void OpenFile();
    void Save();
    // Opens the list editor; a list it saves is shown at once.
    void EditList();
    bool Importing() const { return import_ != nullptr; }

protected:
    void reject() override;

private:
    void LoadList();
    // The numbers never to call; nothing, with the error shown, when their
    // file cannot be read.
    std::optional<BlockedNumbers> Blocked();
    // Says how many lines an import left out for their blocked numbers.
    void TellBlocked(const QString& command, std::size_t lines);
    bool MayReplaceList(const QString& command);
    static QString AsShown(const std::string& line);
    void ShowLines(Lines lines);
    void AppendLine(const std::string& line);
    void ShowCount(std::size_t count);
    void SetProgress(int percent, const QString& label);
    bool StoreList(const Lines& lines);
    void ReadRows();
    void FinishImport();
    void EndImport();

    WorkFolder folder_;
    Prompts& prompts_;
    NumberListLinks links_;
    QLineEdit* total_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* imports_[4] = {}; // the imports, open and edit: one at a time
    Lines shown_;                  // the memo's lines as bytes
    QStringList shownAs_;          // and as the memo shows them
    std::unique_ptr<SheetImport> import_;
    bool stopRequested_ = false;
};

} // namespace mervadin
