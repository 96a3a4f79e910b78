#include "statistics/day_field.h"

#include "qtcore/translation.h"
#include "records/call_record.h"

#include <QAction>
#include <QCalendarWidget>
#include <QStyle>
#include <QToolTip>

namespace mervadin {

namespace {

constexpr const char* kFormat = "yyyy-MM-dd";

std::optional<QDate> ParseTypedDay(const QString& text) {
    const auto day = ParseDay(text.trimmed().toStdString());
    if (!day)
        return std::nullopt;
    return ToQDate(*day);
}

} // namespace

QDate ToQDate(std::chrono::year_month_day day) {
    return QDate(static_cast<int>(day.year()), static_cast<int>(unsigned(day.month())),
                 static_cast<int>(unsigned(day.day())));
}

std::chrono::year_month_day FromQDate(const QDate& date) {
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

DayField::DayField(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(tr("yyyy-mm-dd"));
    setMaxLength(16);
    setMinimumWidth(fontMetrics().horizontalAdvance("0000-00-00") + 48);
    auto* pick = addAction(style()->standardIcon(QStyle::SP_ArrowDown), TrailingPosition);
    pick->setObjectName("PickDay");
    pick->setToolTip(tr("Pick the day from a calendar"));
    connect(pick, &QAction::triggered, this, &DayField::OpenCalendar);
    connect(this, &QLineEdit::editingFinished, this, &DayField::TakeTypedText);
}

void DayField::SetDate(const QDate& date) {
    date_ = date;
    setText(date.toString(kFormat));
}

void DayField::TakeTypedText() {
    if (text() == date_.toString(kFormat))
        return;
    if (const auto day = ParseTypedDay(text())) {
        Choose(*day);
        return;
    }
    const QString wrong = text();
    setText(date_.toString(kFormat));
    QToolTip::showText(mapToGlobal(rect().bottomLeft()),
                       tr("\"%1\" is not a day; type it as 2026-12-08").arg(wrong), this);
}

void DayField::OpenCalendar() {
    if (!calendar_) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setObjectName("Calendar");
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        connect(calendar_, &QCalendarWidget::clicked, this, [this](const QDate& date) {
            calendar_->hide();
            Choose(date);
        });
    }
    calendar_->setSelectedDate(date_);
    calendar_->move(mapToGlobal(rect().bottomLeft()));
    calendar_->show();
}

void DayField::Choose(const QDate& date) {
    const bool changed = date != date_;
    SetDate(date);
    if (changed)
        emit DateChanged(date);
}

} // namespace mervadin
