#pragma once
// A field for one day that takes a date typed whole ("2026-12-08", also
// with "/" or "." between the parts, or without leading zeros) as well as
// one picked from a calendar opened by its button. A text that is not a
// day is put back to the last day, saying why.

#include <QDate>
#include <QLineEdit>

#include <chrono>

class QCalendarWidget;

namespace mervadin {

// A calendar day as Qt shows it and as the statistics count it.
QDate ToQDate(std::chrono::year_month_day day);
std::chrono::year_month_day FromQDate(const QDate& date);

class DayField : public QLineEdit {
    Q_OBJECT
public:
    explicit DayField(QWidget* parent = nullptr);

    QDate Date() const { return date_; }
    // Shows `date` without telling anyone.
    void SetDate(const QDate& date);

signals:
    // The operator typed or picked another day.
    void DateChanged(const QDate& date);

private:
    void TakeTypedText();
    void OpenCalendar();
    void Choose(const QDate& date);

    QDate date_;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace mervadin
