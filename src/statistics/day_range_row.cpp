#include "statistics/day_range_row.h"

#include "qtcore/translation.h"
#include "statistics/day_field.h"
#include "ui/flow_layout.h"

#include <QCheckBox>
#include <QLabel>

namespace mervadin {

DayRangeRow::DayRangeRow(QWidget* parent)
    : QWidget(parent), layout_(new FlowLayout(this, 6, true)),
      allDays_(new QCheckBox(tr("All days"), this)), from_(new DayField(this)),
      to_(new DayField(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    allDays_->setObjectName("AllDays");
    allDays_->setChecked(true);
    from_->setObjectName("FromDay");
    to_->setObjectName("ToDay");
    for (auto* field : {from_, to_}) {
        field->SetDate(QDate::currentDate());
        field->setEnabled(false);
        connect(field, &DayField::DateChanged, this, &DayRangeRow::Changed);
    }
    connect(allDays_, &QCheckBox::toggled, this, [this](bool all) {
        from_->setEnabled(!all);
        to_->setEnabled(!all);
        emit Changed();
    });
    layout_->addWidget(allDays_);
    layout_->addWidget(new QLabel(tr("From"), this));
    layout_->addWidget(from_);
    layout_->addWidget(new QLabel(tr("To"), this));
    layout_->addWidget(to_);
}

void DayRangeRow::Add(QWidget* control) {
    control->setParent(this);
    layout_->addWidget(control);
}

bool DayRangeRow::AllDays() const {
    return allDays_->isChecked();
}

QDate DayRangeRow::From() const {
    return from_->Date();
}

QDate DayRangeRow::To() const {
    return to_->Date();
}

void DayRangeRow::FollowSpan(const QDate& first, const QDate& last) {
    if (!AllDays())
        return;
    from_->SetDate(first);
    to_->SetDate(last);
}

} // namespace mervadin
