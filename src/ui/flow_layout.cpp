#include "ui/flow_layout.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace mervadin {

FlowLayout::FlowLayout(QWidget* parent, int spacing, bool lastAtRight)
    : QLayout(parent), lastAtRight_(lastAtRight) {
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

// As narrow as the widest item at its least, as high as its rows.
QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize()).expandedTo({0, item->sizeHint().height()});
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
    const int height = Arrange(rect);
    if (height != height_) {
        height_ = height;
        invalidate(); // the window lays itself out again for the new height
    }
}

int FlowLayout::Arrange(const QRect& rect) const {
    const QRect room = rect.marginsRemoved(contentsMargins());
    std::vector<QLayoutItem*> shown;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty())
            shown.push_back(item);
    int top = room.top();
    std::size_t first = 0;
    while (first < shown.size()) {
        // The items of this row: as many as fit at their least, at least one.
        std::size_t end = first;
        int least = 0, wanted = 0, height = 0;
        while (end < shown.size()) {
            const int gap = end > first ? spacing() : 0;
            const int wider = least + gap + shown[end]->minimumSize().width();
            if (end > first && wider > room.width())
                break;
            least = wider;
            wanted += gap + shown[end]->sizeHint().width();
            height = std::max(height, shown[end]->sizeHint().height());
            ++end;
        }
        // Each item takes its least and a share of the room left, in the
        // measure it wants more, up to what it asks for.
        const int spare = std::max(0, std::min(room.width(), wanted) - least);
        const int wantedMore = wanted - least;
        int left = room.left();
        for (std::size_t i = first; i < end; ++i) {
            const int minimum = shown[i]->minimumSize().width();
            const int more = shown[i]->sizeHint().width() - minimum;
            const int width = minimum + (wantedMore > 0 ? spare * more / wantedMore : 0);
            const int itemHeight = std::min(height, shown[i]->sizeHint().height());
            const bool last = lastAtRight_ && i + 1 == shown.size();
            const int x = last ? std::max(left, room.right() + 1 - width) : left;
            shown[i]->setGeometry(QRect(x, top + (height - itemHeight) / 2, width, itemHeight));
            left += width + spacing();
        }
        top += height + spacing();
        first = end;
    }
    const int used = shown.empty() ? 0 : top - spacing() - room.top();
    return used + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace mervadin
