#pragma once
// "Outcome of the list…": what became of each number of a number list
// (LoadNumber.txt, or a list file chosen) in the call-out records of all
// days or a range of them. The totals above a table of the numbers that
// sorts by any column and shows the numbers reached, not reached, never
// dialled or all; a double-click lists a number's calls. The numbers not
// reached go out as the next list, to a file or in place of LoadNumber.txt.
// It reads the files when opened and on Refresh, and writes only the next
// list the operator asks for.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "round/next_list.h"
#include "round/outcome_files.h"

#include <QDialog>

#include <filesystem>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace mervadin {

class DayRangeRow;
class OutcomeModel;

class OutcomeWindow : public QDialog {
    Q_OBJECT
public:
    // On `list`, or on the folder's LoadNumber.txt when it is empty.
    OutcomeWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr,
                  std::filesystem::path list = {});
    ~OutcomeWindow() override;

    // Reads the list and the records again and shows their outcome.
    void Refresh();
    // Another list file, from the open dialog; the working list again.
    void ChooseList();
    void UseWorkingList();
    // The next list: to a file picked, or in place of LoadNumber.txt.
    void SaveNotReached();
    void ReplaceLoadNumber();
    // The calls of the number in row `row` of the table as shown.
    void ShowCalls(int row);

    // What is shown (nothing when the files could not be read).
    const RoundOutcome* Shown() const;

signals:
    // LoadNumber.txt now holds the next list.
    void WorkingListReplaced();

private:
    QWidget* BuildListRow();
    QWidget* BuildRangeRow();
    QWidget* BuildFilterRow();
    QWidget* BuildSaveRow();
    DayRange ChosenRange() const;
    NotReached ChosenNotReached() const;
    void ApplyFilter();
    void FollowDataSpan();
    // The next list of what is shown, or nothing (said) when it is empty.
    std::optional<NextList> NextOfShown();
    void TellWritten(const NextList& next, const std::filesystem::path& file);

    WorkFolder folder_;
    Prompts& prompts_;
    std::filesystem::path list_; // empty: LoadNumber.txt
    std::shared_ptr<const RoundOutcome> shown_;
    QLineEdit* listFile_ = nullptr;
    DayRangeRow* range_ = nullptr;
    QLabel* totals_ = nullptr;
    QLabel* setApart_ = nullptr;
    QComboBox* filter_ = nullptr;
    OutcomeModel* model_ = nullptr;
    QSortFilterProxyModel* rows_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* notReached_ = nullptr;
};

} // namespace mervadin
