#pragma once
// Lays its widgets out left to right in rows, going on in a further row
// where the width runs out, each at the size it asks for; the last one sits
// at the right end of its row. A bar of fields so laid out keeps every field
// in view however narrow its window. Its height is that of the rows its
// width takes (known once it has been given a width, one row before): it
// asks its window for more or less as the rows change.

#include <QLayout>
#include <QList>

namespace mervadin {

class FlowLayout : public QLayout {
public:
    FlowLayout(QWidget* parent, int spacing);
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
    // Places the items in `rect` (only works them out when not `apply`);
    // returns the height they take.
    int Arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int height_ = -1; // of the rows at the width last given, or none yet
};

} // namespace mervadin
