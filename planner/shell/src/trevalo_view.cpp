#include "shell/trevalo_view.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>

#include "mapdialogs/find_on_map_key.h"
#include "mapdialogs/qt_route_dialogs.h"
#include "qtplatform/device_context.h"
#include "qtplatform/feedback.h"
#include "shell/main_frame.h"
#include "shell/progress_dlg.h"
#include "wizard/wizard_bar.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
// CenterOnLatLon puts the point this many logical units west of the centre.
constexpr int kCenterEastShift = 300;

}  // namespace

CTrevaloView::CTrevaloView(CTrevaloDoc& document, const DebugOptions& debugOptions, QWidget* parent)
    : CCourseScrollView(parent),
      document_(document),
      debugOptions_(debugOptions),
      database_(document.Database()),
      route_(document.GetRoute()),
      layers_(database_),
      planeTimer_(SimlinkerLink(), [this] {
          if (!generating_) viewport()->update();
      }) {
    document_.AddView(this);
    route_.AttachView(nullptr, this);
    viewport()->setMouseTracking(true);
    CreateDialogs();
}

CTrevaloView::~CTrevaloView() {
    route_.AttachView(nullptr, nullptr);
    document_.RemoveView(this);
}

void CTrevaloView::SetRouteDialogs(RouteDialogs* dialogs) { route_.AttachView(dialogs, this); }

void CTrevaloView::OnInitialUpdate() {
    QPointer<CProgressDlg> progress = new CProgressDlg(this);
    if (!progress->Create()) {
        delete progress;
        progress = nullptr;
    } else {
        progress->SetPos(database_.Progress());
    }

    database_.StartLoaders();
    // Keep the dialog painting (and worker message boxes answered) while the loaders run.
    database_.WaitForLoaders([&progress](int position) {
        if (progress) progress->SetPos(position);
        QApplication::processEvents();
    });
    ReportLoadError(true);
    if (progress) progress->DestroyWindow();

    OnUpdate();
    route_.ReadInternalAdf();
    if (auto* frame = dynamic_cast<QMainWindow*>(window()); frame != nullptr && frame != static_cast<QWidget*>(this))
        InstallCommands(frame);
    planeTimer_.Start();
}

void CTrevaloView::OnUpdate() {
    const qtplatform::Size world = WorldSizeAtZoom(zoom_);
    SetLargeScrollSizes(MappingMode::LowMetric, world.cx, world.cy);
    SetZoom(kUpdateZoom);
}

void CTrevaloView::SetFindDialog(FindDialog dialog) { findDialog_ = std::move(dialog); }

void CTrevaloView::SetZoom(long long zoom) {
    bool clamped = false;
    const int value = ClampZoom(zoom, clamped);
    if (clamped) qtplatform::WarningBeep();
    if (value == zoom_) return;
    zoom_ = value;
    const qtplatform::Size world = WorldSizeAtZoom(zoom_);
    SetLargeScrollSizes(MappingMode::LowMetric, world.cx, world.cy);
    UpdateStatusPosition();
}

qtplatform::Point CTrevaloView::WorldToLogical(double x, double y) const {
    return MapProjection::ForScreen(zoom_).ToLogical(x, y);
}

MapPoint CTrevaloView::LogicalToWorld(LogicalPoint logical) const {
    const MapProjection projection = MapProjection::ForScreen(zoom_);
    return {projection.DeviceToLon(logical.x), projection.DeviceToLat(logical.y)};
}

QPoint CTrevaloView::WorldToPixel(double x, double y) const {
    const qtplatform::Point logical = WorldToLogical(x, y);
    const LogicalRect client = GetLogicalClientRect();
    const double pixelsPerUnit = Dpi() / 254.0;
    return QPoint(static_cast<int>((logical.x - client.left) * pixelsPerUnit),
                  static_cast<int>((client.top - logical.y) * pixelsPerUnit));
}

void CTrevaloView::CenterOnWorld(double x, double y) { CenterOnPoint(WorldToLogical(x, y)); }

void CTrevaloView::OnZoomDefault() {
    const MapPoint centre = LogicalToWorld(GetClientCenter());
    SetZoom(kStartZoom);
    CenterOnWorld(centre.longitude, centre.latitude);
}

void CTrevaloView::OnScaleToFit() {
    const LogicalSize before = GetFullSize();
    SetSizeToFit(before.cx, before.cy);
    const LogicalSize after = GetFullSize();
    if (before.cx == 0) return;
    // The fitted size and the world at the new zoom agree once the zoom is set.
    bool clamped = false;
    zoom_ = ClampZoom(static_cast<long long>(zoom_) * after.cx / before.cx, clamped);
    const qtplatform::Size world = WorldSizeAtZoom(zoom_);
    SetLargeScrollSizes(MappingMode::LowMetric, world.cx, world.cy);
    UpdateStatusPosition();
}

void CTrevaloView::OnTrackMode() {
    trackMode_ = trackMode_ == TrackMode::Hand ? TrackMode::Rectangle : TrackMode::Hand;
    viewport()->setCursor(trackMode_ == TrackMode::Hand ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void CTrevaloView::OnToggleSwitch(const SwitchCommand& command) {
    switches_.*command.flag = !(switches_.*command.flag);
    if (!command.onlyAboveIdentZoom || zoom_ > kIdentZoom) RedrawAll(true);
}

void CTrevaloView::OnUndoSelection() { route_.OnUndoSelection(); }

void CTrevaloView::OnFileNew() { route_.OnFileNew(); }

void CTrevaloView::OnFindLocation() {
    if (!findDialog_) return;
    const std::optional<FindOnMapTarget> target = ParseFindOnMapKey(findDialog_(database_));
    if (!target) return;
    qtplatform::WaitCursor wait;
    const std::optional<MapPoint> place = LocateFindOnMapTarget(database_, *target);
    if (!place) return;
    // The zoom stays: at the fitted zoom the whole world shows and nothing could be centred.
    CenterOnWorldAtZoom(place->longitude, place->latitude, zoom_, 0);
}

void CTrevaloView::CenterOnLatLon(double latitude, double longitude, int zoom) {
    CenterOnWorldAtZoom(longitude * kArcSecondsPerDegree, latitude * kArcSecondsPerDegree, zoom, kCenterEastShift);
}

void CTrevaloView::CenterOnWorldAtZoom(double x, double y, int zoom, int eastShift) {
    if (zoom > 1) OnScaleToFit();
    SetZoom(zoom);
    const qtplatform::Point logical = WorldToLogical(x, y);
    CenterOnPoint({logical.x + eastShift, logical.y});
    UpdateStatusPosition();
}

MapFrame CTrevaloView::CurrentFrame() const {
    return ScreenFrame(zoom_, GetLogicalClientRect(), PixelMargin(), switches_);
}

void CTrevaloView::OnDraw(QPainter& painter) {
    const MapFrame frame = CurrentFrame();
    labelFont_.Update(frame.projection.zoom);
    const std::optional<PlanePosition>& plane = planeTimer_.Plane();
    painter.drawImage(0, 0,
                      layers_.CachedImage(cache_, frame, viewport()->size(), Dpi(), labelFont_.Font(),
                                          LabelPrioritiesFor(route_.Points(), plane)));
    qtplatform::DeviceContext dc(painter);
    PrepareMapDC(dc, frame);
    layers_.DrawRoute(dc, frame, route_.Points());
    route_.ValidateTrip();
    // The trip's entries are copied only while the trip is shown.
    if (frame.switches.planeTrip) layers_.DrawRouteMarks(dc, frame, route_.TripEntries());
    if (plane) DrawSimulatorPlane(dc, frame, *plane);
}

void CTrevaloView::OnScrolled() { UpdateStatusPosition(); }

void CTrevaloView::StoreMousePosition(QPoint device) {
    lastMousePixel_ = device;
    lastMouse_ = LogicalToWorld(ClientToLogical(device));
    if (auto* frame = dynamic_cast<CMainFrame*>(frame_))
        frame->SetCursorPosition(static_cast<std::int32_t>(lastMouse_.longitude),
                                 static_cast<std::int32_t>(lastMouse_.latitude));
}

void CTrevaloView::UpdateStatusPosition() {
    if (GetMappingMode() == MappingMode::None) return;
    if (lastMousePixel_) {
        StoreMousePosition(*lastMousePixel_);
        return;
    }
    // Before the mouse comes into the map both panes say it is off the map.
    constexpr std::int32_t kBeyondEast = (180 + 1) * 3600;
    constexpr std::int32_t kBeyondNorth = (90 + 1) * 3600;
    if (auto* frame = dynamic_cast<CMainFrame*>(frame_)) frame->SetCursorPosition(kBeyondEast, kBeyondNorth);
}

void CTrevaloView::RedrawAll(bool /*erase*/) {
    // The static layers stay cached: only the route is drawn again over them.
    viewport()->update();
}

void CTrevaloView::ClosePlanner() {
    if (QWidget* top = window(); top != this) top->close();
}

// Every wizard page back to its defaults.
void CTrevaloView::ApplicationFileNew() {
    if (auto* frame = dynamic_cast<CMainFrame*>(frame_)) frame->WizardBar().ResetPages();
    RedrawAll(true);
}

}  // namespace trevalo
