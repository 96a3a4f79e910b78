#pragma once
// One call record grid of the main window with the list file behind it:
// loads it, shows a line added live, writes remarks typed into it, saves
// the list elsewhere and clears it.

#include "common/prompts.h"
#include "records/record_files.h"

#include <QTableView>

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

private:
    int TextWidth(const QString& text) const;
    void FitRowNumbers();
    void ScrollToEnd();
    std::optional<std::string> CommitRemark(std::size_t row, const std::string& remark);

    RecordFiles::List list_;
    const RecordFiles& files_;
    Prompts& prompts_;
    CallGridModel* model_;
};

} // namespace mervadin
