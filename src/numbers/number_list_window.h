#pragma once
// The number list window: imports LoadNumber.txt from a text file or a
// workbook, shows it, shows the call record lines of any text file, and
// saves what it shows. The workbook is read a few rows per turn of the event
// loop, so the window answers (Stop above all) while it reads.

#include "common/prompts.h"
#include "files/text_lines.h"
#include "files/work_folder.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace mervadin {

class SheetImport;

class NumberListWindow : public QDialog {
    Q_OBJECT
public:
    NumberListWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);
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
