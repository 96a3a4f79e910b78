#pragma once
// Lays its widgets out left to right in rows: each at the size it asks for
// where the row has room, giving way down to its least size where it has
// not, and going on in a further row where even that does not fit. A bar
// of fields or commands so laid out keeps every one in view however narrow
// its window. Its height is that of the rows its width takes (known once it
// has been given a width, one row before): it asks its window for more or
// less as the rows change.

#include <QLayout>
#include <QList>

namespace mervadin {

class FlowLayout : public QLayout {
public:
    // With `lastAtRight`, the last widget sits at the right end of its row.
    FlowLayout(QWidget* parent, int spacing, bool lastAtRight = false);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the shown items in `rect`; returns the height they take.
    int Arrange(const QRect& rect) const;

    QList<QLayoutItem*> items_;
    bool lastAtRight_;
    int height_ = -1; // of the rows at the width last given, or none yet
};

} // namespace mervadin
