#pragma once
// A field for one day that takes a date typed whole ("2026-12-08", also
// with "/" or "." between the parts, or without leading zeros) as well as
// one picked from a calendar opened by its button. A text that is not a
// day is put back to the last day, saying why.

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

namespace mervadin {

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
