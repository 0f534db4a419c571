// The arithmetic of the map's scroll view with 32-bit extents: scroll bars that cover a
// window of at most 0x7fff logical units, and a window offset that slides that window
// along the full extent. Logical points are full-extent points; outside the text mode
// y grows upward, so logical y is 0 at the top and negative below it.
// Plain C++: the Qt view feeds it client sizes and scroll codes and applies its results.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/mul_div.h"

namespace trevalo {

enum class MappingMode { None, Text, LowMetric };
enum class ScrollAxis { Horizontal, Vertical };
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom, EndScroll };

// Points, sizes and rectangles in logical units.
using LogicalPoint = platform::Point;
using LogicalSize = platform::Size;
using LogicalRect = platform::Rect;

class CourseScrollArithmetic {
public:
    static constexpr int kWindowSize = 0x7fff;

    // Logical units per device pixel outside the text mode (the text mode is 1:1).
    void SetLogicalUnitsPerPixel(double units) { unitsPerPixel_ = units; }
    // The client area in device pixels; call before SetLargeScrollSizes and on resize
    // (OnSize also restores the centre).
    void SetClientPixels(int width, int height);
    void OnSize(int width, int height);

    // Page and line sizes of 0 take the defaults (a tenth of the capped size, and a tenth
    // of that).
    void SetLargeScrollSizes(MappingMode mode, int cx, int cy, LogicalSize page = {}, LogicalSize line = {});
    // Scrolls so that the point lies in the middle of the client area; returns the window
    // offset's change (old - new, logical units) by which the window's contents move.
    LogicalSize CenterOnPoint(LogicalPoint point);
    // Scrolls so that the point is the top-left corner.
    LogicalSize ScrollToPoint(LogicalPoint point);
    // The size that fits a world of cx by cy into the client area, applied through
    // SetLargeScrollSizes; a zero span changes nothing.
    void SetSizeToFit(int cx, int cy);

    // Scroll bar message on an axis; true when it ran into an end of the full extent
    // (the view beeps).
    bool OnScroll(ScrollAxis axis, ScrollCode code, int thumbPosition = 0);

    void RememberCenter();
    void RestoreCenter();

    LogicalRect GetLogicalClientRect() const;
    LogicalPoint ClientToLogical(int deviceX, int deviceY) const;
    LogicalPoint GetClientCenter() const;
    LogicalSize GetFullSize() const { return full_; }
    LogicalPoint GetOffsetScrollPosition() const;

    MappingMode mappingMode() const { return mode_; }
    // The base scroll view's state: capped total size, scroll position (logical; negative
    // on an axis where the document is smaller than the client area and so centred in it).
    LogicalSize totalSize() const { return total_; }
    LogicalPoint scrollPosition() const { return position_; }
    LogicalPoint windowOffset() const { return offset_; }
    bool largeHorizontal() const { return largeX_; }
    bool largeVertical() const { return largeY_; }
    int pixelMargin() const { return pixelMargin_; }
    LogicalSize clientSize() const;

private:
    struct AxisPlacement {
        int position;
        int offset;
    };
    static AxisPlacement PlaceOnAxis(int target, int halfClient, int fullSize, bool large);
    bool YUp() const { return mode_ != MappingMode::Text; }
    double Scale() const { return mode_ == MappingMode::Text ? 1.0 : unitsPerPixel_; }
    int ClampPosition(int position, int total, int client) const;
    bool SlideWindowAtEnds(int position, int& offset, int client, int fullSize, int step) const;

    MappingMode mode_ = MappingMode::None;
    double unitsPerPixel_ = 1.0;
    int clientPixelsX_ = 0, clientPixelsY_ = 0;
    LogicalSize full_{};
    LogicalSize total_{};
    LogicalSize page_{}, line_{};
    bool largeX_ = false, largeY_ = false;
    int pixelMargin_ = 0;
    LogicalPoint position_{};
    LogicalPoint offset_{};
    LogicalPoint rememberedCenter_{};
    LogicalSize rememberedSize_{1, 1};
};

}  // namespace trevalo
