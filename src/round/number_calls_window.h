#pragma once
// The calls of one number of a list in the range of days of its outcome, as
// a double-click on its row shows them: each record of the call-out list
// that belongs to it, with its line in the file, day and time, result,
// talking time and remark.

#include "round/outcome_files.h"

#include <QDialog>

namespace mervadin {

class NumberCallsWindow : public QDialog {
    Q_OBJECT
public:
    // `shown` is the number as the table shows it; `calls` its records.
    NumberCallsWindow(const QString& shown, const std::vector<FoundCall>& calls,
                      QWidget* parent = nullptr);
};

} // namespace mervadin
