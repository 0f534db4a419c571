#include "maparithmetic/scroll_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace trevalo {
namespace {

constexpr int64_t kHalfWindow = 0x4000;
constexpr int64_t kDoubleHalfWindow = 0x8000;
// Default scroll steps: a page is a tenth of the size, a line a tenth of a page.
constexpr int kDefaultStepDivisor = 10;
// Zoom to fit leaves this much room round the world.
constexpr double kFitMargin = 1.01;

int DefaultStep(int given, int size) { return given > 0 ? given : std::max(1, size / kDefaultStepDivisor); }

}  // namespace

void CourseScrollArithmetic::SetClientPixels(int width, int height) {
    clientPixelsX_ = std::max(0, width);
    clientPixelsY_ = std::max(0, height);
    position_.x = ClampPosition(position_.x, total_.cx, clientSize().cx);
    position_.y = ClampPosition(position_.y, total_.cy, clientSize().cy);
}

void CourseScrollArithmetic::OnSize(int width, int height) {
    SetClientPixels(width, height);
    if (mode_ != MappingMode::None) {
        RestoreCenter();
    }
}

LogicalSize CourseScrollArithmetic::clientSize() const {
    return {static_cast<int>(std::lround(clientPixelsX_ * Scale())),
            static_cast<int>(std::lround(clientPixelsY_ * Scale()))};
}

int CourseScrollArithmetic::ClampPosition(int position, int total, int client) const {
    // A document smaller than the client area is centred in it, at a negative position.
    if (total < client) {
        return (total - client) / 2;
    }
    return std::clamp(position, 0, total - client);
}

void CourseScrollArithmetic::SetLargeScrollSizes(MappingMode mode, int cx, int cy, LogicalSize page, LogicalSize line) {
    const int cappedX = std::min(cx, kWindowSize);
    const int cappedY = std::min(cy, kWindowSize);
    largeX_ = cx > kWindowSize;
    largeY_ = cy > kWindowSize;

    if (mode_ != MappingMode::None) {
        RememberCenter();
    } else {
        const bool yUp = mode != MappingMode::Text;
        rememberedCenter_ = {cappedX / 2, yUp ? -(cappedY / 2) : cappedY / 2};
        offset_ = {(cx - cappedX) / 2, (cy - cappedY) / 2};
        rememberedSize_ = {cx, cy};
    }
    mode_ = mode;
    pixelMargin_ = mode_ == MappingMode::Text ? 0 : static_cast<int>(std::lround(Scale()));

    total_ = {cappedX, cappedY};
    page_ = {DefaultStep(page.cx, cappedX), DefaultStep(page.cy, cappedY)};
    line_ = {DefaultStep(line.cx, page_.cx), DefaultStep(line.cy, page_.cy)};
    full_ = {cx, cy};
    position_.x = ClampPosition(position_.x, total_.cx, clientSize().cx);
    position_.y = ClampPosition(position_.y, total_.cy, clientSize().cy);
    RestoreCenter();
}

CourseScrollArithmetic::AxisPlacement CourseScrollArithmetic::PlaceOnAxis(int target, int halfClient, int fullSize,
                                                                          bool large) {
    const int64_t x = target;
    const int64_t c = halfClient;
    const int64_t length = fullSize;
    if (!large) {
        return {static_cast<int>(x - c), 0};
    }
    if (x < c) {
        return {0, 0};
    }
    if (x < kHalfWindow) {
        return {static_cast<int>(x - c), 0};
    }
    if (length < c + x) {
        return {static_cast<int>(kDoubleHalfWindow - 2 * c), static_cast<int>(length - kDoubleHalfWindow)};
    }
    if (length < x + kHalfWindow) {
        return {static_cast<int>(x + kDoubleHalfWindow - length - c), static_cast<int>(length - kDoubleHalfWindow)};
    }
    return {static_cast<int>(kHalfWindow - c), static_cast<int>(x - kHalfWindow)};
}

LogicalSize CourseScrollArithmetic::CenterOnPoint(LogicalPoint point) {
    const LogicalSize client = clientSize();
    const int targetY = YUp() ? -point.y : point.y;
    const AxisPlacement horizontal = PlaceOnAxis(point.x, client.cx / 2, full_.cx, largeX_);
    const AxisPlacement vertical = PlaceOnAxis(targetY, client.cy / 2, full_.cy, largeY_);

    const LogicalPoint oldOffset = offset_;
    position_ = {ClampPosition(horizontal.position, total_.cx, client.cx),
                 ClampPosition(vertical.position, total_.cy, client.cy)};
    offset_ = {horizontal.offset, vertical.offset};
    RememberCenter();
    return {oldOffset.x - offset_.x, oldOffset.y - offset_.y};
}

LogicalSize CourseScrollArithmetic::ScrollToPoint(LogicalPoint point) {
    const LogicalSize client = clientSize();
    const int halfDown = YUp() ? -(client.cy / 2) : client.cy / 2;
    return CenterOnPoint({point.x + client.cx / 2, point.y + halfDown});
}

void CourseScrollArithmetic::SetSizeToFit(int cx, int cy) {
    if (cx <= 0 || cy <= 0 || mode_ == MappingMode::None) {
        return;
    }
    const LogicalSize client = clientSize();
    const int64_t w = client.cx;
    const int64_t h = client.cy;
    int newX = 0;
    int newY = 0;
    if (h < static_cast<int64_t>(cy) * w / cx) {
        newX = static_cast<int>(static_cast<double>(cx) * h / (cy * kFitMargin));
        newY = static_cast<int>(h);
    } else {
        newX = static_cast<int>(w);
        newY = static_cast<int>(static_cast<double>(cy) * w / (cx * kFitMargin));
    }
    SetLargeScrollSizes(mode_, newX, newY);
}

namespace {

int ScrollStep(ScrollCode code, int line, int page) {
    if (code == ScrollCode::LineUp || code == ScrollCode::LineDown) {
        return line;
    }
    if (code == ScrollCode::PageUp || code == ScrollCode::PageDown) {
        return page;
    }
    return 0;
}

}  // namespace

bool CourseScrollArithmetic::SlideWindowAtEnds(int position, int& offset, int client, int fullSize, int step) const {
    // At either end of the scroll bar the step moves the window outward, whatever the code.
    const int lastOffset = fullSize - kWindowSize;
    if (position == 0) {
        offset -= step;
        if (offset < 0) {
            offset = 0;
            return true;
        }
    } else if (position >= kWindowSize - pixelMargin_ - client) {
        offset += step;
        if (offset > lastOffset) {
            offset = lastOffset;
            return true;
        }
    }
    return false;
}

bool CourseScrollArithmetic::OnScroll(ScrollAxis axis, ScrollCode code, int thumbPosition) {
    const bool horizontal = axis == ScrollAxis::Horizontal;
    const LogicalSize client = clientSize();
    int& position = horizontal ? position_.x : position_.y;
    int& offset = horizontal ? offset_.x : offset_.y;
    const int total = horizontal ? total_.cx : total_.cy;
    const int clientSide = horizontal ? client.cx : client.cy;
    const int line = horizontal ? line_.cx : line_.cy;
    const int page = horizontal ? page_.cx : page_.cy;
    const bool large = horizontal ? largeX_ : largeY_;
    if (code == ScrollCode::EndScroll) {
        return false;
    }

    bool hitEnd = false;
    if (large) {
        hitEnd = SlideWindowAtEnds(position, offset, clientSide, horizontal ? full_.cx : full_.cy,
                                   ScrollStep(code, line, page));
    }
    // The base scroll view's own handling.
    switch (code) {
        case ScrollCode::LineUp:
            position -= line;
            break;
        case ScrollCode::LineDown:
            position += line;
            break;
        case ScrollCode::PageUp:
            position -= page;
            break;
        case ScrollCode::PageDown:
            position += page;
            break;
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack:
            position = thumbPosition;
            break;
        case ScrollCode::Top:
            position = 0;
            break;
        case ScrollCode::Bottom:
            position = total;
            break;
        case ScrollCode::EndScroll:
            break;
    }
    position = ClampPosition(position, total, clientSide);
    if (large) {
        RememberCenter();
    }
    return hitEnd;
}

void CourseScrollArithmetic::RememberCenter() {
    rememberedCenter_ = GetClientCenter();
    rememberedSize_ = full_;
}

void CourseScrollArithmetic::RestoreCenter() {
    // A zero remembered span keeps that coordinate as it was.
    LogicalPoint center = rememberedCenter_;
    if (rememberedSize_.cx != 0) {
        center.x = platform::MulDiv(center.x, full_.cx, rememberedSize_.cx);
    }
    if (rememberedSize_.cy != 0) {
        center.y = platform::MulDiv(center.y, full_.cy, rememberedSize_.cy);
    }
    CenterOnPoint(center);
}

LogicalRect CourseScrollArithmetic::GetLogicalClientRect() const {
    const LogicalSize client = clientSize();
    const int left = position_.x + offset_.x;
    const int top = position_.y + offset_.y;
    if (YUp()) {
        return {left, -top, left + client.cx, -(top + client.cy)};
    }
    return {left, top, left + client.cx, top + client.cy};
}

LogicalPoint CourseScrollArithmetic::ClientToLogical(int deviceX, int deviceY) const {
    const int x = position_.x + offset_.x + static_cast<int>(std::lround(deviceX * Scale()));
    const int y = position_.y + offset_.y + static_cast<int>(std::lround(deviceY * Scale()));
    return {x, YUp() ? -y : y};
}

LogicalPoint CourseScrollArithmetic::GetClientCenter() const {
    const LogicalRect rect = GetLogicalClientRect();
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LogicalPoint CourseScrollArithmetic::GetOffsetScrollPosition() const {
    const int y = position_.y + offset_.y;
    return {position_.x + offset_.x, YUp() ? -y : y};
}

}  // namespace trevalo
