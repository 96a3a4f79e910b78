#pragma once
// One call record grid of the main window with the list file behind it:
// loads it, shows a line added live, writes remarks typed into it, saves
// the list elsewhere and clears it.

#include "common/prompts.h"
#include "records/record_files.h"
#include "records/record_lines.h"

#include <QTableView>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace mervadin {

class CallGridModel;

class CallListGrid : public QTableView {
    Q_OBJECT
public:
    CallListGrid(RecordFiles::List list, const RecordFiles& files, Prompts& prompts,
                 QWidget* parent);

    // Fills the grid from its list file and scrolls so the last lines show.
    void Load();
    // Shows a line just added to the list file (a call stored live), and
    // scrolls to the end.
    void ShowStoredLine();
    // "Save as": a text copy, CSV or a workbook, starting in the documents
    // folder.
    void SaveAs();
    // Empties the list after the operator agrees to the question captioned
    // `caption` (not asked for an empty list).
    void Clear(const std::string& caption);

    CallGridModel* Model() const { return model_; }
    // Narrows the rows to the lines `filter` finds (all of them when it
    // takes all) and scrolls to the last of them.
    void SetFilter(RecordFilter filter);

protected:
    // A grid that shows the end of its list keeps showing it when its
    // window lays it out anew (shown, or its filter bar taking another row).
    void resizeEvent(QResizeEvent* event) override;

private:
    int TextWidth(const QString& text) const;
    void FitRowNumbers();
    void ScrollToEnd();
    std::optional<std::string> CommitRemark(std::size_t row, const std::string& remark);

    RecordFiles::List list_;
    const RecordFiles& files_;
    Prompts& prompts_;
    CallGridModel* model_;
    bool showsEnd_ = false; // scrolled to the end, and left there by the operator
};

// The filter bar above a call record grid: a part of the number, a type, a
// group and a range of days narrow the grid's rows as they are typed, and
// "n of N" tells how many lines of the list the rows show.
class CallFilterBar : public QWidget {
    Q_OBJECT
public:
    CallFilterBar(CallListGrid& grid, QWidget* parent);

    // Applies what the fields hold now (typing applies it after a pause).
    void Apply();
    // The fields in the order Tab visits them.
    std::vector<QWidget*> FocusChain() const;

private:
    void ShowCount();
    // A day field's day; a field holding text that is no day is marked and
    // left out of the filter.
    std::optional<std::chrono::year_month_day> DayOf(QLineEdit& field) const;

    CallListGrid& grid_;
    QLineEdit* number_;
    QComboBox* type_;
    QLineEdit* group_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLabel* count_;
    QTimer pause_; // runs only between a key typed and the filter applied
};

} // namespace mervadin
