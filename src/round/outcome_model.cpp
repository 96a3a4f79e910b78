#include "round/outcome_model.h"

#include "numbers/number_fields.h"
#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "round/outcome_table.h"
#include "ui/qt_prompts.h"

#include <chrono>

namespace mervadin {

namespace {

// The cells of a list's bytes (number, name, group) in the chosen
// encoding; the rest are the tool's own texts.
bool IsListText(OutcomeColumn column) {
    return column == OutcomeColumn::Number || column == OutcomeColumn::Name ||
           column == OutcomeColumn::Group;
}

} // namespace

OutcomeModel::OutcomeModel(QObject* parent) : QAbstractTableModel(parent) {
    for (const auto& title : OutcomeHeader())
        header_ << UiMarked(title.c_str());
}

void OutcomeModel::Show(std::shared_ptr<const RoundOutcome> round) {
    beginResetModel();
    round_ = std::move(round);
    endResetModel();
}

const NumberOutcome& OutcomeModel::NumberAt(int row) const {
    return round_->outcome.Numbers()[static_cast<std::size_t>(row)];
}

int OutcomeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !round_ ? 0 : static_cast<int>(round_->outcome.Numbers().size());
}

int OutcomeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kOutcomeColumns);
}

QVariant OutcomeModel::data(const QModelIndex& index, int role) const {
    if (!round_ || !index.isValid())
        return {};
    const NumberOutcome& number = NumberAt(index.row());
    const auto column = static_cast<OutcomeColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const auto cells = OutcomeCells(number, round_->list, UiMarkedString);
        const std::string& cell = cells[static_cast<std::size_t>(index.column())];
        return IsListText(column) ? FromFileText(cell) : QString::fromStdString(cell);
    }
    case kSortRole:
        return SortKey(index);
    case kReachRole:
        return QString::number(static_cast<int>(number.Outcome()));
    case Qt::TextAlignmentRole:
        return column >= OutcomeColumn::Attempts && column <= OutcomeColumn::Failed
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

QVariant OutcomeModel::SortKey(const QModelIndex& index) const {
    const NumberOutcome& number = NumberAt(index.row());
    switch (static_cast<OutcomeColumn>(index.column())) {
    case OutcomeColumn::LinesOfList:
        return static_cast<qulonglong>(number.lines.front());
    case OutcomeColumn::Attempts:
        return number.Attempts();
    case OutcomeColumn::Connected:
        return number.connected;
    case OutcomeColumn::Failed:
        return number.failed;
    case OutcomeColumn::TalkingTime:
        return static_cast<qulonglong>(number.talkSeconds);
    case OutcomeColumn::LastCall:
        return number.last
                   ? static_cast<qlonglong>(
                         std::chrono::sys_days(number.last->day).time_since_epoch().count() *
                             86400 +
                         number.last->time.count())
                   : qlonglong(-1);
    case OutcomeColumn::Outcome:
        return static_cast<int>(number.Outcome());
    case OutcomeColumn::Group: {
        // As the statistics order groups: numbers by their value first,
        // then the rest as text.
        const std::string group(SplitNumberLine(round_->list[number.lines.front() - 1]).group);
        const bool digits = !group.empty() && group.size() <= 18 &&
                            group.find_first_not_of("0123456789") == std::string::npos;
        return digits ? QString("0%1").arg(std::stoull(group), 20, 10, QChar('0'))
                      : "1" + FromFileText(group);
    }
    default:
        return data(index, Qt::DisplayRole);
    }
}

QVariant OutcomeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < header_.size() ? header_[section] : QVariant();
    return section + 1;
}

} // namespace mervadin
