#include "maparithmetic/line_clipping.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace trevalo {
namespace {

using platform::Point;

const ClipBox kBox = ClipBox::FromRect({0, 100, 100, 0});

TEST(ClipLineToRectTest, KeepsWhatLiesInsideTheBox) {
    const struct {
        const char* what;
        Point from, to;
        bool kept;
        Point clippedFrom, clippedTo;
    } cases[] = {
        {"inside", {10, 10}, {90, 90}, true, {10, 10}, {90, 90}},
        {"across the left edge", {-50, 50}, {50, 50}, true, {0, 50}, {50, 50}},
        {"through both sides", {-100, 50}, {200, 50}, true, {0, 50}, {100, 50}},
        {"across a corner", {-10, 10}, {10, -10}, true, {0, 0}, {0, 0}},
        {"both ends above", {10, 150}, {90, 200}, false, {}, {}},
        {"both ends left", {-10, 10}, {-1, 90}, false, {}, {}},
        {"outside past a corner", {-20, 90}, {10, 120}, false, {}, {}},
        {"a point on the edge", {100, 100}, {100, 100}, true, {100, 100}, {100, 100}},
    };
    for (const auto& c : cases) {
        Point from = c.from, to = c.to;
        EXPECT_EQ(ClipLineToRect(from, to, kBox), c.kept) << c.what;
        if (!c.kept) continue;
        EXPECT_EQ(from, c.clippedFrom) << c.what;
        EXPECT_EQ(to, c.clippedTo) << c.what;
    }
}

TEST(ClipPolygonToRectTest, FoldsTheOutsideOntoTheEdges) {
    std::vector<Point> clipped;
    std::vector<bool> marks;
    const Point larger[] = {{-50, -50}, {150, -50}, {150, 150}, {-50, 150}};
    ClipPolygonToRect(larger, {}, kBox, clipped, marks);
    EXPECT_THAT(clipped, ::testing::UnorderedElementsAre(Point{0, 0}, Point{100, 0}, Point{100, 100}, Point{0, 100}));

    // A shape leaving the box on one side and coming back on another must not cut across it.
    const Point hook[] = {{10, 10}, {-50, 10}, {-50, 150}, {90, 150}, {90, 90}};
    ClipPolygonToRect(hook, {}, kBox, clipped, marks);
    for (const Point& p : clipped) EXPECT_EQ(ComputeOutCode(p, kBox), kInside);
    EXPECT_NE(std::find(clipped.begin(), clipped.end(), Point{0, 100}), clipped.end());

    const Point outside[] = {{200, 200}, {300, 200}, {300, 300}};
    ClipPolygonToRect(outside, {}, kBox, clipped, marks);
    EXPECT_TRUE(clipped.empty());
}

// A land with a bridge to a lake, cut by the box: the bridge's part inside stays a bridge,
// and neither the coast nor the stretches along the box become one.
TEST(ClipPolygonToRectTest, AMarkedEdgeKeepsItsMarkInsideTheBox) {
    // Edge 1 (from {50, 50} out to {50, 150}) and edge 2 (back) are the bridge.
    const Point polygon[] = {{-50, 50}, {50, 50}, {50, 150}, {50, 50}, {150, 50}, {150, -50}, {-50, -50}};
    const std::vector<bool> marks = {false, true, true, false, false, false, false};
    std::vector<Point> clipped;
    std::vector<bool> clippedMarks;
    ClipPolygonToRect(polygon, marks, kBox, clipped, clippedMarks);
    ASSERT_EQ(clipped.size(), clippedMarks.size());
    std::vector<std::pair<Point, Point>> marked;
    for (std::size_t i = 0; i < clipped.size(); ++i)
        if (clippedMarks[i]) marked.emplace_back(clipped[i], clipped[(i + 1) % clipped.size()]);
    EXPECT_THAT(marked, ::testing::UnorderedElementsAre(std::pair(Point{50, 50}, Point{50, 100}),
                                                        std::pair(Point{50, 100}, Point{50, 50})));
}

}  // namespace
}  // namespace trevalo
