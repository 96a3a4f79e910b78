#include "ui/flow_layout.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace mervadin {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent) {
    setSpacing(spacing);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

// As narrow as the widest item, as high as its rows.
QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    const QMargins margins = contentsMargins();
    size += QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    return {size.width(), std::max(size.height(), height_)};
}

// Everything in one row (or the rows it has).
QSize FlowLayout::sizeHint() const {
    int width = 0;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            width += (width > 0 ? spacing() : 0) + item->sizeHint().width();
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), minimumSize().height()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const int height = Arrange(rect, true);
    if (height != height_) {
        height_ = height;
        invalidate(); // the window lays itself out again for the new height
    }
}

int FlowLayout::Arrange(const QRect& rect, bool apply) const {
    const QRect room = rect.marginsRemoved(contentsMargins());
    std::vector<QLayoutItem*> shown;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty())
            shown.push_back(item);
    int top = room.top();
    std::size_t first = 0;
    while (first < shown.size()) {
        // The items of this row: as many as fit, at least one.
        std::size_t end = first;
        int width = 0, height = 0;
        while (end < shown.size()) {
            const QSize size = shown[end]->sizeHint();
            const int wider = width + (end > first ? spacing() : 0) + size.width();
            if (end > first && wider > room.width())
                break;
            width = wider;
            height = std::max(height, size.height());
            ++end;
        }
        if (apply) {
            int left = room.left();
            for (std::size_t i = first; i < end; ++i) {
                const QSize size = shown[i]->sizeHint().boundedTo(
                    QSize(std::max(room.width(), 0), QWIDGETSIZE_MAX));
                const bool last = i + 1 == shown.size();
                const int x = last ? std::max(left, room.right() + 1 - size.width()) : left;
                shown[i]->setGeometry(QRect(QPoint(x, top + (height - size.height()) / 2), size));
                left += size.width() + spacing();
            }
        }
        top += height + spacing();
        first = end;
    }
    const int used = shown.empty() ? 0 : top - spacing() - room.top();
    return used + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace mervadin
