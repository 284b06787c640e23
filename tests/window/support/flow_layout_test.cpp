#include "flow_layout.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Three fixed 100 x 30 boxes, 10 pixels apart, without margins: where they stand at a width.
class FlowLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        auto* row = new QHBoxLayout(&panel_);
        for (QWidget*& box : boxes_) {
            box = new QWidget;
            box->setFixedSize(100, 30);
            row->addWidget(box);
        }
        row->addStretch();
        flow_ = TFlowLayout::ReplaceBoxLayout(&panel_);
        flow_->setSpacing(10);
        flow_->setContentsMargins(0, 0, 0, 0);
    }

    void LayOut(int width) { flow_->setGeometry(QRect(0, 0, width, 200)); }

    QWidget panel_;
    QWidget* boxes_[3] = {};
    TFlowLayout* flow_ = nullptr;
};

TEST_F(FlowLayoutTest, TakesTheBoxLayoutsWidgetsInOrderWithoutItsStretch) {
    EXPECT_EQ(panel_.layout(), flow_);
    ASSERT_EQ(flow_->count(), 3);
    EXPECT_EQ(flow_->itemAt(2)->widget(), boxes_[2]);
}

TEST_F(FlowLayoutTest, OneRowWhereTheWidthHoldsAll) {
    LayOut(320);
    EXPECT_EQ(boxes_[2]->geometry(), QRect(220, 0, 100, 30));
    EXPECT_EQ(flow_->minimumSize().height(), 30);
}

TEST_F(FlowLayoutTest, WrapsWhatPassesTheRightEdgeAndAsksForTheRowsHeight) {
    LayOut(319);
    EXPECT_EQ(boxes_[1]->geometry(), QRect(110, 0, 100, 30));
    EXPECT_EQ(boxes_[2]->geometry(), QRect(0, 40, 100, 30));
    EXPECT_EQ(flow_->minimumSize(), QSize(100, 70));
    LayOut(50);
    EXPECT_EQ(boxes_[2]->geometry(), QRect(0, 80, 100, 30)) << "one a row, never none";
}

// A box that would like 100 pixels and makes do with 60.
class TSqueezableBox : public QWidget {
public:
    TSqueezableBox() { setMinimumSize(60, 30); }
    QSize sizeHint() const override { return {100, 30}; }
};

TEST(FlowLayoutSqueezeTest, ARowTooNarrowForThePreferredWidthsSharesItsRoomBeforeWrapping) {
    QWidget panel;
    auto* flow = new TFlowLayout(&panel);
    flow->setSpacing(10);
    flow->setContentsMargins(0, 0, 0, 0);
    auto* left = new TSqueezableBox;
    auto* right = new TSqueezableBox;
    flow->addWidget(left);
    flow->addWidget(right);
    // 170 pixels for two: each has its 60 and half of the 40 left over.
    flow->setGeometry(QRect(0, 0, 170, 100));
    EXPECT_EQ(left->geometry(), QRect(0, 0, 80, 30));
    EXPECT_EQ(right->geometry(), QRect(90, 0, 80, 30));
    // Below 130 the two no longer fit side by side even at their least.
    flow->setGeometry(QRect(0, 0, 129, 100));
    EXPECT_EQ(right->geometry().topLeft(), QPoint(0, 40));
}

// A slider in a row with a box: the room the box leaves goes to the slider, which expands
// sideways; measured, the rows' height at a width is the height laid out there.
TEST(FlowLayoutExpandTest, AnExpandingItemTakesTheRowsRoomAndTheHeightIsMeasuredAhead) {
    QWidget panel;
    auto* flow = new TFlowLayout(&panel);
    flow->setSpacing(10);
    flow->setContentsMargins(0, 0, 0, 0);
    auto* box = new QWidget;
    box->setFixedSize(100, 30);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setMinimumWidth(50);
    flow->addWidget(box);
    flow->addWidget(slider);
    EXPECT_EQ(flow->HeightAt(400), 30);
    EXPECT_EQ(flow->HeightAt(120), 40 + slider->sizeHint().height());
    flow->setGeometry(QRect(0, 0, 400, 100));
    EXPECT_EQ(slider->geometry().left(), 110);
    EXPECT_EQ(slider->geometry().width(), 290);
}

} // namespace
