#include "round/number_calls_window.h"

#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "records/call_record.h"
#include "round/outcome_table.h"
#include "round/round_names.h"
#include "statistics/call_statistics.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mervadin {

NumberCallsWindow::NumberCallsWindow(const QString& shown, const std::vector<FoundCall>& calls,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(names::round::kCallsWindow);
    //: %1 is a telephone number (and its name).
    setWindowTitle(tr("Calls of %1").arg(shown));
    resize(640, 360);
    auto* layout = new QVBoxLayout(this);
    //: %1 is the count of calls; CallOutList.txt is a file name, keep it.
    auto* count = new QLabel(tr("%1 calls in CallOutList.txt").arg(calls.size()), this);
    count->setObjectName(names::round::kCallsCount);
    layout->addWidget(count);
    auto* table = new QTableWidget(static_cast<int>(calls.size()), 5, this);
    table->setObjectName(names::round::kCallsTable);
    table->setHorizontalHeaderLabels(
        {tr("Line"), tr("Date"), tr("Result"), tr("Duration"), tr("Remark")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const FoundCall& call = calls[i];
        const QStringList cells = {QString::number(call.line),
                                   QString::fromStdString(WhenText(call.when)),
                                   UiMarked(ResultText(call.when.connected)),
                                   QString::fromStdString(ClockText(call.durationSeconds)),
                                   FromFileText(FieldValue(call.text, "Remark["))};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(static_cast<int>(i), column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close = MakeButton(this, names::round::kClose, tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    layout->addLayout(row);
}

} // namespace mervadin
