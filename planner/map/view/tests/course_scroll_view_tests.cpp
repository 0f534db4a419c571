#include "mapview/course_scroll_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QScrollBar>

namespace trevalo {
namespace {

class PlainScrollView : public CCourseScrollView {
protected:
    void OnDraw(QPainter&) override {}
};

// A view in the text mode whose client area is exactly 1000 by 600 pixels, so logical
// units are pixels.
class CourseScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view_.resize(1100, 700);
        view_.show();
        QApplication::processEvents();
        const QSize extra = view_.size() - view_.viewport()->size();
        view_.resize(QSize(1000, 600) + extra);
        QApplication::processEvents();
        ASSERT_EQ(view_.viewport()->size(), QSize(1000, 600));
    }
    PlainScrollView view_;
};

TEST_F(CourseScrollViewTest, CentringSlidesTheWindowAlongTheFullExtent) {
    view_.SetLargeScrollSizes(MappingMode::Text, 1296000, 684000);
    const struct {
        int x;
        int offset, position;
    } cases[] = {
        {648000, 648000 - 0x4000, 0x4000 - 500},
        {100, 0, 0},
        // Within half a client of the right end: the bar at its end.
        {1296000 - 200, 1296000 - 0x8000, 0x7fff - 1000},
    };
    for (const auto& c : cases) {
        view_.CenterOnPoint({c.x, 300000});
        EXPECT_EQ(view_.Arithmetic().windowOffset().x, c.offset) << c.x;
        EXPECT_EQ(view_.horizontalScrollBar()->value(), c.position) << c.x;
        EXPECT_EQ(view_.ClientToLogical(QPoint(0, 0)).x, c.offset + c.position) << c.x;
    }
}

TEST_F(CourseScrollViewTest, ASmallExtentScrollsLikeAPlainScrollView) {
    view_.SetLargeScrollSizes(MappingMode::Text, 3000, 2000);
    view_.CenterOnPoint({2000, 1000});
    EXPECT_EQ(view_.Arithmetic().windowOffset(), (LogicalPoint{0, 0}));
    EXPECT_EQ(view_.horizontalScrollBar()->value(), 1500);
    EXPECT_EQ(view_.horizontalScrollBar()->maximum(), 2000);
}

TEST_F(CourseScrollViewTest, ScrollBarStepsAtTheStartMoveTheWindowBackToZero) {
    view_.SetLargeScrollSizes(MappingMode::Text, 1296000, 684000);
    view_.CenterOnPoint({0x4000 + 50, 300000});  // window offset 50 from the start
    view_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    ASSERT_EQ(view_.horizontalScrollBar()->value(), 0);
    const int offset = view_.Arithmetic().windowOffset().x;
    view_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_LT(view_.Arithmetic().windowOffset().x, offset);
    for (int i = 0; i < 100; ++i) view_.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(view_.Arithmetic().windowOffset().x, 0);
    EXPECT_EQ(view_.horizontalScrollBar()->value(), 0);
}

TEST_F(CourseScrollViewTest, ANewSizeKeepsTheSamePointInTheMiddle) {
    view_.SetLargeScrollSizes(MappingMode::Text, 1296000, 684000);
    view_.CenterOnPoint({400000, 300000});
    view_.SetLargeScrollSizes(MappingMode::Text, 2592000, 1368000);
    EXPECT_NEAR(view_.GetClientCenter().x, 800000, 2);
    EXPECT_NEAR(view_.GetClientCenter().y, 600000, 2);
}

TEST_F(CourseScrollViewTest, ASmallerDocumentIsCentredWithAFrameAndAShadow) {
    // 600 by 300 in a client of 1000 by 600: the document spans x 200..799, y 150..449.
    view_.SetLargeScrollSizes(MappingMode::Text, 600, 300);
    EXPECT_EQ(view_.ClientToLogical(QPoint(200, 150)), (LogicalPoint{0, 0}));
    const QImage image = view_.viewport()->grab().toImage();
    const QPalette& colours = view_.palette();
    const struct {
        const char* what;
        QPoint pixel;
        QColor colour;
    } cases[] = {
        {"document", {500, 300}, Qt::white},
        {"outside", {50, 300}, QColor(192, 192, 192)},
        {"frame on the left", {198, 300}, colours.color(QPalette::WindowText)},
        {"frame at the bottom", {500, 451}, colours.color(QPalette::WindowText)},
        {"shadow on the right", {803, 300}, colours.color(QPalette::Dark)},
        {"no shadow on the left", {196, 300}, QColor(192, 192, 192)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(image.pixelColor(c.pixel).rgb(), c.colour.rgb()) << c.what;
    }
}

}  // namespace
}  // namespace trevalo
