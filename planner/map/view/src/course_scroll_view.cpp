#include "mapview/course_scroll_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "qtplatform/feedback.h"

namespace trevalo {
namespace {

constexpr double kLoMetricPerInch = 254.0;
constexpr int kLineDivisor = 10;
constexpr int kFramePixels = 2;
constexpr int kShadowPixels = 3;
const QColor kOutsideDocument(192, 192, 192);

std::optional<ScrollCode> CodeOfAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineDown;
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageUp;
        case QAbstractSlider::SliderToMinimum:
            return ScrollCode::Top;
        case QAbstractSlider::SliderToMaximum:
            return ScrollCode::Bottom;
        case QAbstractSlider::SliderMove:
            return ScrollCode::ThumbTrack;
        default:
            return std::nullopt;
    }
}

}  // namespace

CCourseScrollView::CCourseScrollView(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollAxis::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollAxis::Vertical, action); });
}

int CCourseScrollView::Dpi() const { return std::max(1, viewport()->logicalDpiX()); }

void CCourseScrollView::SetLargeScrollSizes(MappingMode mode, int cx, int cy, LogicalSize page, LogicalSize line) {
    arithmetic_.SetLogicalUnitsPerPixel(kLoMetricPerInch / Dpi());
    arithmetic_.SetClientPixels(viewport()->width(), viewport()->height());
    arithmetic_.SetLargeScrollSizes(mode, cx, cy, page, line);
    SyncScrollBars();
    viewport()->update();
    OnScrolled();
}

void CCourseScrollView::CenterOnPoint(LogicalPoint point) {
    arithmetic_.CenterOnPoint(point);
    SyncScrollBars();
    viewport()->update();
    OnScrolled();
}

void CCourseScrollView::ScrollToPoint(LogicalPoint point) {
    arithmetic_.ScrollToPoint(point);
    SyncScrollBars();
    viewport()->update();
    OnScrolled();
}

void CCourseScrollView::SetSizeToFit(int cx, int cy) {
    arithmetic_.SetSizeToFit(cx, cy);
    SyncScrollBars();
    viewport()->update();
    OnScrolled();
}

void CCourseScrollView::ResizeParentToFit() {
    // The window is resized, not a frame inside it: a frame grown past its window would
    // leave the scroll bars and half the map out of sight.
    QWidget* frame = window();
    if (frame == this || arithmetic_.mappingMode() == MappingMode::None) return;
    QSize wanted = frame->size() + DocumentPixels().size() - viewport()->size();
    if (const QScreen* screen = frame->screen()) {
        const QSize decoration = frame->frameGeometry().size() - frame->size();
        wanted = wanted.boundedTo(screen->availableGeometry().size() - decoration);
    }
    if (frame->isMaximized() || frame->isFullScreen()) frame->showNormal();
    frame->resize(wanted);
}

void CCourseScrollView::SyncScrollBars() {
    const LogicalSize total = arithmetic_.totalSize();
    const LogicalSize client = arithmetic_.clientSize();
    const LogicalPoint position = arithmetic_.scrollPosition();
    syncing_ = true;
    for (auto [bar, size, side, at] : {std::tuple{horizontalScrollBar(), total.cx, client.cx, position.x},
                                       std::tuple{verticalScrollBar(), total.cy, client.cy, position.y}}) {
        bar->setRange(0, std::max(0, size - side));
        bar->setPageStep(std::max(1, side));
        bar->setSingleStep(std::max(1, side / kLineDivisor));
        bar->setValue(at);
    }
    syncing_ = false;
}

void CCourseScrollView::OnScrollAction(ScrollAxis axis, int action) {
    const std::optional<ScrollCode> code = CodeOfAction(action);
    if (!code || arithmetic_.mappingMode() == MappingMode::None) return;
    QScrollBar* bar = axis == ScrollAxis::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    if (arithmetic_.OnScroll(axis, *code, bar->sliderPosition())) qtplatform::WarningBeep();
    const LogicalPoint position = arithmetic_.scrollPosition();
    // The bar applies this position once the action's signal returns.
    syncing_ = true;
    bar->setSliderPosition(axis == ScrollAxis::Horizontal ? position.x : position.y);
    syncing_ = false;
    viewport()->update();
    OnScrolled();
}

void CCourseScrollView::scrollContentsBy(int, int) {
    if (!syncing_ && arithmetic_.mappingMode() != MappingMode::None) {
        // A change that came without a bar action (the wheel, the keyboard).
        const LogicalPoint position = arithmetic_.scrollPosition();
        if (horizontalScrollBar()->value() != position.x)
            arithmetic_.OnScroll(ScrollAxis::Horizontal, ScrollCode::ThumbPosition, horizontalScrollBar()->value());
        if (verticalScrollBar()->value() != position.y)
            arithmetic_.OnScroll(ScrollAxis::Vertical, ScrollCode::ThumbPosition, verticalScrollBar()->value());
        OnScrolled();
    }
    viewport()->update();
}

void CCourseScrollView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // Only a shown, restored or maximised window takes its centre back.
    if (isVisible() && !window()->isMinimized()) {
        arithmetic_.OnSize(viewport()->width(), viewport()->height());
    } else {
        arithmetic_.SetClientPixels(viewport()->width(), viewport()->height());
    }
    if (arithmetic_.mappingMode() == MappingMode::None) return;
    SyncScrollBars();
    OnScrolled();
}

QRect CCourseScrollView::DocumentPixels() const {
    const LogicalSize total = arithmetic_.totalSize();
    const LogicalPoint position = arithmetic_.scrollPosition();
    const double unitsPerPixel = arithmetic_.mappingMode() == MappingMode::Text ? 1.0 : kLoMetricPerInch / Dpi();
    const auto pixels = [unitsPerPixel](int logical) { return static_cast<int>(std::lround(logical / unitsPerPixel)); };
    // A negative scroll position is a document centred in a larger client area.
    return QRect(pixels(-position.x), pixels(-position.y), pixels(total.cx), pixels(total.cy));
}

bool CCourseScrollView::DocumentSmallerThanClient() const {
    const LogicalPoint position = arithmetic_.scrollPosition();
    return position.x < 0 || position.y < 0;
}

void CCourseScrollView::PaintOutsideDocument(QPainter& painter, const QRect& document) const {
    painter.fillRect(viewport()->rect(), kOutsideDocument);
    const QPalette& colours = palette();
    const QRect frame = document.adjusted(-kFramePixels, -kFramePixels, kFramePixels, kFramePixels);
    // The shadow shows beside the frame on its right and bottom.
    painter.fillRect(frame.translated(kShadowPixels, kShadowPixels), colours.color(QPalette::Dark));
    painter.fillRect(frame, colours.color(QPalette::WindowText));
    painter.fillRect(document, qtplatform::ToQColor(background_));
}

void CCourseScrollView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    if (arithmetic_.mappingMode() == MappingMode::None) {
        painter.fillRect(viewport()->rect(), qtplatform::ToQColor(background_));
        return;
    }
    if (DocumentSmallerThanClient()) {
        const QRect document = DocumentPixels();
        PaintOutsideDocument(painter, document);
        painter.setClipRect(document);
    }
    OnDraw(painter);
}

}  // namespace trevalo
