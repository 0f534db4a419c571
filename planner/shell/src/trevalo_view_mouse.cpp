// The map view's mouse: route points by clicking, zoom to a dragged band, moving the map
// by hand, the track mode on the right button, and the capture mode.
#include <QMouseEvent>
#include <QRubberBand>
#include <cstdlib>

#include "maparithmetic/rubber_band_zoom.h"
#include "mapview/land_capture.h"
#include "shell/trevalo_view.h"

namespace trevalo {

bool CTrevaloView::InCaptureMode() const { return debugOptions_.drawMapMode != 0; }

void CTrevaloView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    StoreMousePosition(at);
    if (event->button() == Qt::RightButton) {
        OnTrackMode();
        return;
    }
    if (event->button() != Qt::LeftButton || GetMappingMode() == MappingMode::None) return;
    if (trackMode_ == TrackMode::Hand) {
        handDrag_ = HandDrag{at, GetClientCenter()};
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (InCaptureMode()) {
        Capture();
        return;
    }
    bandStart_ = at;
    if (rubberBand_ == nullptr) rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    rubberBand_->setGeometry(QRect(at, QSize()));
    rubberBand_->show();
}

void CTrevaloView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (handDrag_) {
        // The map follows the hand: the centre moves against the drag.
        const LogicalPoint start = ClientToLogical(handDrag_->start);
        const LogicalPoint now = ClientToLogical(at);
        CenterOnPoint({handDrag_->centre.x - (now.x - start.x), handDrag_->centre.y - (now.y - start.y)});
    } else if (bandStart_ && rubberBand_ != nullptr) {
        rubberBand_->setGeometry(QRect(*bandStart_, at).normalized());
    }
    StoreMousePosition(at);
}

void CTrevaloView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (handDrag_) {
        handDrag_.reset();
        viewport()->setCursor(Qt::OpenHandCursor);
        RedrawAll(true);
        return;
    }
    if (bandStart_) FinishRubberBand(at);
}

void CTrevaloView::FinishRubberBand(QPoint release) {
    const QPoint start = *bandStart_;
    bandStart_.reset();
    if (rubberBand_ != nullptr) rubberBand_->hide();
    const LogicalPoint from = ClientToLogical(start);
    const LogicalPoint to = ClientToLogical(release);
    const qtplatform::Size band{to.x - from.x, to.y - from.y};
    if (!IsZoomBand(band.cx, PixelMargin())) {
        const MapPoint click = LogicalToWorld(from);
        route_.AddRoutePointAt(click.longitude, click.latitude);
        return;
    }
    const MapPoint corner1 = LogicalToWorld(from);
    const MapPoint corner2 = LogicalToWorld(to);
    const LogicalRect client = GetLogicalClientRect();
    const int oldZoom = GetZoom();
    SetZoom(ZoomForBand(oldZoom, {client.right - client.left, client.top - client.bottom}, band));
    if (GetZoom() != oldZoom)
        CenterOnWorld((corner1.longitude + corner2.longitude) / 2, (corner1.latitude + corner2.latitude) / 2);
}

void CTrevaloView::Capture() {
    const std::optional<std::string> records = capture_.AddPoint(lastMouse_);
    if (!records) return;
    CaptureToLandFile(Database().baseDirectory(), *records);
    RedrawAll(true);
}

}  // namespace trevalo
