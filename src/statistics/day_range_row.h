#pragma once
// The row of a window that chooses a range of days: "All days", or the
// days From and To, typed or picked. The window's own controls for that
// range follow in the same row, which flows onto a second row where the
// window is narrow.

#include <QDate>
#include <QWidget>

class QCheckBox;

namespace mervadin {

class DayField;
class FlowLayout;

class DayRangeRow : public QWidget {
    Q_OBJECT
public:
    explicit DayRangeRow(QWidget* parent);

    // Adds a control after the days; the last one added sits at the row's
    // right end.
    void Add(QWidget* control);

    bool AllDays() const;
    QDate From() const;
    QDate To() const;
    // While all days are counted, the fields show the data's own span, so
    // that unticking "All days" starts from the days that have calls.
    void FollowSpan(const QDate& first, const QDate& last);

signals:
    // "All days" was ticked or unticked, or a day was changed.
    void Changed();

private:
    FlowLayout* layout_;
    QCheckBox* allDays_;
    DayField* from_;
    DayField* to_;
};

} // namespace mervadin
