// CCourseScrollView: a scroll view for extents beyond the 32,767 logical units that scroll
// bars take. Its bars cover a window of at most 0x7fff units and a window offset slides
// that window along the full 32-bit extent; every logical point it hands out or takes is
// a full-extent point. The map view derives from it and supplies the drawing.
#pragma once

#include <QAbstractScrollArea>

#include "maparithmetic/scroll_arithmetic.h"
#include "qtplatform/device_context.h"

namespace trevalo {

class CCourseScrollView : public QAbstractScrollArea {
public:
    explicit CCourseScrollView(QWidget* parent = nullptr);

    // Sets the mapping mode and the full size (page and line 0 for the defaults); a later
    // call keeps the same point in the middle of the client area.
    void SetLargeScrollSizes(MappingMode mode, int cx, int cy, LogicalSize page = {}, LogicalSize line = {});
    void CenterOnPoint(LogicalPoint point);
    void ScrollToPoint(LogicalPoint point);
    // Zoom-to-fit: the largest size of the cx by cy proportions that fits the client area.
    void SetSizeToFit(int cx, int cy);
    // Resizes the window so that the client area shows the whole scroll size, as far as
    // the screen allows; a larger document keeps its scroll bars.
    void ResizeParentToFit();

    LogicalRect GetLogicalClientRect() const { return arithmetic_.GetLogicalClientRect(); }
    LogicalPoint ClientToLogical(QPoint device) const { return arithmetic_.ClientToLogical(device.x(), device.y()); }
    LogicalPoint GetClientCenter() const { return arithmetic_.GetClientCenter(); }
    LogicalSize GetFullSize() const { return arithmetic_.GetFullSize(); }
    LogicalPoint GetOffsetScrollPosition() const { return arithmetic_.GetOffsetScrollPosition(); }
    LogicalSize GetTotalSize() const { return arithmetic_.totalSize(); }
    MappingMode GetMappingMode() const { return arithmetic_.mappingMode(); }
    // Logical units of one device pixel (0 in the text mode).
    int PixelMargin() const { return arithmetic_.pixelMargin(); }
    const CourseScrollArithmetic& Arithmetic() const { return arithmetic_; }
    // Dots per inch of the viewport, as the drawing converts logical units.
    int Dpi() const;

protected:
    // Draws the document, the painter set on the viewport (clipped to the document when it
    // is smaller than the client area).
    virtual void OnDraw(QPainter& painter) = 0;
    // After a scroll, a resize or a new size.
    virtual void OnScrolled() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SyncScrollBars();
    void OnScrollAction(ScrollAxis axis, int action);
    // The document's rectangle in viewport pixels.
    QRect DocumentPixels() const;
    bool DocumentSmallerThanClient() const;
    void PaintOutsideDocument(QPainter& painter, const QRect& document) const;

    CourseScrollArithmetic arithmetic_;
    bool syncing_ = false;
    qtplatform::ColorRef background_ = qtplatform::Rgb(255, 255, 255);
};

}  // namespace trevalo
