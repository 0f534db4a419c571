#include "mapview/course_scroll_view.h"

#include <QPaintEvent>
#include <QPainter>
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
        case QAbstractSlider::SliderSingleStepAdd: return ScrollCode::LineDown;
        case QAbstractSlider::SliderSingleStepSub: return ScrollCode::LineUp;
        case QAbstractSlider::SliderPageStepAdd: return ScrollCode::PageDown;
        case QAbstractSlider::SliderPageStepSub: return ScrollCode::PageUp;
        case QAbstractSlider::SliderToMinimum: return ScrollCode::Top;
        case QAbstractSlider::SliderToMaximum: return ScrollCode::Bottom;
        case QAbstractSlider::SliderMove: return ScrollCode::ThumbTrack;
        default: return std::nullopt;
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
    QWidget* frame = parentWidget();
    if (frame == nullptr || arithmetic_.mappingMode() == MappingMode::None) return;
    frame->resize(frame->size() + DocumentPixels().size() - viewport()->size());
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
    arithmetic_.OnSize(viewport()->width(), viewport()->height());
    if (arithmetic_.mappingMode() == MappingMode::None) return;
    SyncScrollBars();
    OnScrolled();
}

QRect CCourseScrollView::DocumentPixels() const {
    const LogicalSize total = arithmetic_.totalSize();
    const double unitsPerPixel = kLoMetricPerInch / Dpi();
    const bool text = arithmetic_.mappingMode() == MappingMode::Text;
    return QRect(0, 0, static_cast<int>(std::lround(text ? total.cx : total.cx / unitsPerPixel)),
                 static_cast<int>(std::lround(text ? total.cy : total.cy / unitsPerPixel)));
}

bool CCourseScrollView::DocumentSmallerThanClient() const {
    const QRect document = DocumentPixels();
    return document.width() < viewport()->width() || document.height() < viewport()->height();
}

void CCourseScrollView::PaintOutsideDocument(QPainter& painter, const QRect& document) const {
    painter.fillRect(viewport()->rect(), kOutsideDocument);
    const QPalette& colours = palette();
    painter.fillRect(document.adjusted(kShadowPixels, kShadowPixels, kShadowPixels, kShadowPixels),
                     colours.color(QPalette::Dark));
    painter.fillRect(document.adjusted(-kFramePixels, -kFramePixels, kFramePixels, kFramePixels),
                     colours.color(QPalette::WindowText));
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
