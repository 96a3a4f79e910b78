#pragma once
// A control with a usual size of its own, as the windows were drawn: a
// layout gives it that size, or more where its text needs more (a larger
// font, another language), and, where a small screen leaves less room, as
// little as its text needs.

#include <QAbstractButton>
#include <QFontMetrics>
#include <QSize>
#include <QSizePolicy>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace mervadin {

template <typename W>
class Designed : public W {
public:
    template <typename... Args>
    explicit Designed(QSize design, Args&&... args)
        : W(std::forward<Args>(args)...), design_(design) {
        // A size hint that is also the least size (a button's) would keep
        // the layout from giving way.
        QSizePolicy policy = this->sizePolicy();
        if (policy.horizontalPolicy() == QSizePolicy::Minimum)
            policy.setHorizontalPolicy(QSizePolicy::Preferred);
        this->setSizePolicy(policy);
    }

    QSize sizeHint() const override { return Content().expandedTo(design_); }
    QSize minimumSizeHint() const override { return Content(); }

private:
    // What the content needs. A button needs its caption and a little room
    // each side, in its own height (its style's size would be at least the
    // style's usual width, however short the caption).
    QSize Content() const {
        if constexpr (std::is_base_of_v<QAbstractButton, W>) {
            const QSize styled = W::sizeHint();
            const int caption =
                this->fontMetrics().horizontalAdvance(QString(this->text()).remove('&'));
            return {std::min(styled.width(), caption + kButtonRoom), styled.height()};
        } else {
            return W::minimumSizeHint();
        }
    }

    static constexpr int kButtonRoom = 12;
    QSize design_;
};

} // namespace mervadin
