#include "projector_zoom.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct TKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
constexpr TKey kLarger{Qt::Key_Plus, Qt::ControlModifier};
constexpr TKey kLargerUnshifted{Qt::Key_Equal, Qt::ControlModifier};
constexpr TKey kSmaller{Qt::Key_Minus, Qt::ControlModifier};
constexpr TKey kReset{Qt::Key_0, Qt::ControlModifier};
constexpr TKey kFullScreen{Qt::Key_F11, Qt::NoModifier};
constexpr TKey kEscape{Qt::Key_Escape, Qt::NoModifier};

// A top-level window with a label, the zoom attached, shown on the offscreen screen.
class ProjectorZoomTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        QFont font = window_->font();
        font.setPointSizeF(10);
        window_->setFont(font);
        label_ = new QLabel(QStringLiteral("Text"), window_.get());
        (new QVBoxLayout(window_.get()))->addWidget(label_);
        zoom_ = new TProjectorZoom(window_.get());
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void Press(const std::vector<TKey>& keys) const {
        for (const TKey& key : keys) {
            QTest::keyClick(label_, key.key, key.modifiers);
        }
    }

    std::unique_ptr<QWidget> window_;
    QLabel* label_ = nullptr;
    TProjectorZoom* zoom_ = nullptr; // owned by window_
};

struct TZoomCase {
    const char* name;
    std::vector<TKey> keys;
    int percent;
    int changes; // Changed signals
};

void PrintTo(const TZoomCase& c, std::ostream* os) {
    *os << c.name;
}

class ProjectorZoomKeysTest : public ProjectorZoomTest,
                              public testing::WithParamInterface<TZoomCase> {};

TEST_P(ProjectorZoomKeysTest, ScalesTheWindowsFontInQuarterSteps) {
    QSignalSpy changed(zoom_, &TProjectorZoom::Changed);
    Press(GetParam().keys);
    EXPECT_EQ(zoom_->Percent(), GetParam().percent);
    EXPECT_DOUBLE_EQ(label_->font().pointSizeF(), 10 * GetParam().percent / 100.0);
    ASSERT_EQ(changed.count(), GetParam().changes);
    if (!changed.isEmpty()) {
        EXPECT_DOUBLE_EQ(changed.last().at(0).toReal(), GetParam().percent / 100.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ProjectorZoomKeysTest,
    testing::Values(TZoomCase{"CtrlPlusEnlargesOneStep", {kLarger}, 125, 1},
                    TZoomCase{"CtrlEqualsEnlargesToo", {kLargerUnshifted}, 125, 1},
                    TZoomCase{"StopsAtThreeHundred",
                              {kLarger, kLarger, kLarger, kLarger, kLarger, kLarger, kLarger,
                               kLarger, kLarger, kLarger},
                              300,
                              8},
                    TZoomCase{"CtrlMinusAtOneHundredDoesNothing", {kSmaller}, 100, 0},
                    TZoomCase{"CtrlMinusShrinksOneStep", {kLarger, kLarger, kSmaller}, 125, 3},
                    TZoomCase{"CtrlZeroResets", {kLarger, kLarger, kLarger, kReset}, 100, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectorZoomTest, F11TogglesFullScreenAndEscapeLeavesIt) {
    Press({kFullScreen});
    EXPECT_TRUE(window_->isFullScreen());
    Press({kFullScreen});
    EXPECT_FALSE(window_->isFullScreen());
    Press({kFullScreen, kEscape});
    EXPECT_FALSE(window_->isFullScreen());
    EXPECT_TRUE(window_->isVisible());
}

// The offscreen screen is 800 x 800, its frames 2 pixels wide: at 300 % the window's 900 pixels
// of width are more than the screen holds, its 600 of height not.
TEST_F(ProjectorZoomTest, TheWindowGrowsWithTheZoomUpToTheScreenAndBack) {
    window_->resize(300, 200);
    Press({kLarger, kLarger, kLarger, kLarger});
    EXPECT_EQ(window_->size(), QSize(600, 400));
    Press({kLarger, kLarger, kLarger, kLarger});
    EXPECT_EQ(window_->size(), QSize(796, 600));
    EXPECT_EQ(window_->frameGeometry().topLeft(), QPoint(0, 0)) << "kept on the screen";
    Press({kReset});
    EXPECT_EQ(window_->size(), QSize(300, 200));
}

} // namespace
