// The pieces the windows are laid out with: controls of a usual size that
// grow for their text and give way down to it, and rows that give way, then
// wrap.

#include "ui/designed.h"
#include "ui/flow_layout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <gtest/gtest.h>

namespace mervadin {
namespace {

int TextWidth(const QPushButton& button) {
    return button.fontMetrics().horizontalAdvance(button.text());
}

TEST(Designed, AControlTakesItsUsualSizeGrowsForItsTextAndGivesWayDownToIt) {
    Designed<QPushButton> shortCaption({99, 37}, "Close");
    EXPECT_EQ(shortCaption.sizeHint(), QSize(99, 37));
    EXPECT_LT(shortCaption.minimumSizeHint().width(), 99);
    EXPECT_GT(shortCaption.minimumSizeHint().width(), TextWidth(shortCaption));
    // The style's least button width (wider than a short caption) does not
    // hold a layout back.
    EXPECT_EQ(shortCaption.sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);

    Designed<QPushButton> longCaption({99, 37}, "A caption far wider than the usual width");
    EXPECT_GT(longCaption.sizeHint().width(), TextWidth(longCaption));
    EXPECT_EQ(longCaption.sizeHint().width(), longCaption.minimumSizeHint().width());
    EXPECT_EQ(longCaption.sizeHint().height(), 37);
}

class FlowLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        layout = new FlowLayout(&bar, 4, true);
        layout->setContentsMargins(0, 0, 0, 0);
        for (const char* caption : {"First", "Second", "Third"}) {
            auto* button = new Designed<QPushButton>({100, 30}, caption, &bar);
            layout->addWidget(button);
            buttons.push_back(button);
        }
        count = new QLabel("12 of 3400", &bar);
        layout->addWidget(count);
        bar.show();
    }
    // The bar at `width`, laid out, as high as its rows ask.
    void LayOutAt(int width) {
        bar.resize(width, 30);
        layout->activate();
        QApplication::processEvents();
        bar.resize(width, bar.minimumSizeHint().height());
        layout->activate();
    }
    bool OneRow() const {
        for (const QWidget* widget : buttons)
            if (widget->y() != buttons.front()->y())
                return false;
        return count->geometry().center().y() == buttons.front()->geometry().center().y();
    }

    QWidget bar;
    FlowLayout* layout = nullptr;
    std::vector<QPushButton*> buttons;
    QLabel* count = nullptr;
};

TEST_F(FlowLayoutTest, WidgetsTakeTheirUsualSizeWhereThereIsRoomTheCountAtTheRight) {
    LayOutAt(600);
    EXPECT_TRUE(OneRow());
    for (const QWidget* button : buttons)
        EXPECT_EQ(button->width(), 100);
    EXPECT_EQ(count->geometry().right(), 599);
    EXPECT_LE(buttons.back()->geometry().right(), count->x());
}

TEST_F(FlowLayoutTest, WidgetsGiveWayDownToTheirTextBeforeTheRowWraps) {
    const int least = buttons[0]->minimumSizeHint().width() +
                      buttons[1]->minimumSizeHint().width() +
                      buttons[2]->minimumSizeHint().width() + count->sizeHint().width() + 3 * 4;
    LayOutAt(least + 10);
    EXPECT_TRUE(OneRow());
    for (QPushButton* button : buttons) {
        EXPECT_LT(button->width(), 100);
        EXPECT_GE(button->width(), button->minimumSizeHint().width());
    }
    EXPECT_LE(count->geometry().right(), least + 9);

    // Narrower than that, a second row: nothing overlaps, all within the bar,
    // and the bar asks for the height of both rows (the second as high as
    // what wrapped into it, however small the system's font).
    LayOutAt(least - 10);
    EXPECT_FALSE(OneRow());
    std::vector<QWidget*> all(buttons.begin(), buttons.end());
    all.push_back(count);
    int bottom = 0;
    for (const QWidget* widget : all)
        bottom = std::max(bottom, widget->geometry().bottom() + 1);
    EXPECT_GT(bottom, buttons.front()->sizeHint().height() + 4);
    EXPECT_EQ(bar.minimumSizeHint().height(), bottom);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(bar.rect().contains(all[i]->geometry())) << i;
        EXPECT_GE(all[i]->width(), all[i]->minimumSizeHint().width()) << i;
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(all[i]->geometry().intersects(all[j]->geometry())) << i << " " << j;
    }
}

} // namespace
} // namespace mervadin
