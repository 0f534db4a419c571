// The planner's map view over its document's data: loads the document's navigation
// database on its first update and reads the route back, draws the map (static layers cached, the route over them) at
// zooms from 1 to 725501 per mille, and takes the mouse and the view commands: route points by clicking, zoom to a
// dragged band, moving the map by hand, the display switches, find, and Create adventure (the route file). It owns its
// dialogs: the pick list, the radial dialog, "Find on Map" and "Holding Airports".
#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "map/nav_database.h"
#include "map/route.h"
#include "map/route_ports.h"
#include "map/sidstar_store.h"
#include "mapview/course_scroll_view.h"
#include "mapview/display_switches.h"
#include "mapview/label_font.h"
#include "mapview/land_capture.h"
#include "mapview/map_frame.h"
#include "mapview/map_image_cache.h"
#include "mapview/map_layers.h"
#include "mapview/simulator_plane_timer.h"
#include "shell/debug_options.h"
#include "shell/map_switch_commands.h"
#include "shell/trevalo_doc.h"

QT_BEGIN_NAMESPACE
class QMainWindow;
class QMenu;
class QRubberBand;
QT_END_NAMESPACE

namespace trevalo {

class CEditSidStarDlg;
class CFindOnMapDlg;
class CHoldingAirportsDlg;
class QtRouteDialogs;

enum class TrackMode { Rectangle, Hand };

inline constexpr const char* kLastBuildMissingMessage =
    "The file '%s', could not be opened.\nThis may be because it has been moved or deleted.\n";

class CTrevaloView : public CCourseScrollView, public RouteHost {
public:
    // The debug options' capture mode turns clicks into Land.nav rectangles.
    CTrevaloView(CTrevaloDoc& document, const DebugOptions& debugOptions, QWidget* parent = nullptr);
    ~CTrevaloView() override;

    // The whole load, once, on the user-interface thread: progress dialog, the three
    // loaders, the wait (painting the dialog), the load error report; then the world
    // sizes, the route file, and the view's commands in the main frame.
    void OnInitialUpdate();
    // The world size, the scroll sizes and the zoom 3.
    void OnUpdate();

    CTrevaloDoc& GetDocument() const { return document_; }
    // The document's data.
    const NavDatabase& Database() const { return database_; }
    int AirportCount() const { return database_.airportCount; }
    Route& GetRoute() { return route_; }
    const Route& GetRoute() const { return route_; }

    // The pick list and the radial dialog of the route, the view's own Qt dialogs unless
    // replaced; none answers nothing (no point is added).
    void SetRouteDialogs(RouteDialogs* dialogs);
    // The find dialog, run with the database; returns the chosen result key (empty for
    // none). The view's own "Find on Map" unless replaced; without one the find command
    // stays disabled.
    using FindDialog = std::function<std::string(const NavDatabase& database)>;
    void SetFindDialog(FindDialog dialog);

    int GetZoom() const { return zoom_; }
    // Clamps to [1, 725501] with a warning beep; a new zoom sets the scroll sizes.
    void SetZoom(long long zoom);
    void OnZoomIn() { SetZoom(static_cast<long long>(zoom_) * 2); }
    void OnZoomOut() { SetZoom(zoom_ / 2); }
    void OnZoomDefault();
    void OnScaleToFit();
    void OnResizeParentToFit() { ResizeParentToFit(); }
    void OnUpperLeft() { ScrollToPoint({0, 0}); }
    void OnTrackMode();
    TrackMode GetTrackMode() const { return trackMode_; }

    const DisplaySwitches& Switches() const { return switches_; }
    void OnToggleSwitch(const SwitchCommand& command);

    void OnUndoSelection();
    void OnFileNew();
    void OnFindLocation();
    // F7: writes the route file map_internal.adf, then the generation.
    void OnCreateAdventure();
    // Start-up: the definition built last (Files/Last Build) into the wizard and the
    // route; one that cannot be opened is named and forgotten.
    void ReopenLastBuild();
    // "Holding Airports" over the route: each route airport's holding choice.
    void ShowHoldingAirports();
    // Tools > Create SID/STAR: the SID/STAR editor over the view's airports and navaids.
    void OnCreateSidStar();

    // Degrees, east and north positive; above zoom 1 the map is first scaled to fit.
    void CenterOnLatLon(double latitude, double longitude, int zoom);
    // The last mouse position in world units (arc-seconds).
    MapPoint LastMousePosition() const { return lastMouse_; }
    void UpdateStatusPosition();

    // World and logical positions of the view at its zoom.
    qtplatform::Point WorldToLogical(double x, double y) const;
    MapPoint LogicalToWorld(LogicalPoint logical) const;
    // The device pixel of a world point in the viewport.
    QPoint WorldToPixel(double x, double y) const;

    // RouteHost
    void RedrawAll(bool erase) override;
    void RunGeneration() override;
    void ClosePlanner() override;
    void ApplicationFileNew() override;

    // Times the static layers were drawn (the cache works when a route edit adds none).
    int StaticDrawCount() const { return cache_.DrawCount(); }
    // The simulator's plane, polled from the first update on.
    SimulatorPlaneTimer& PlaneTimer() { return planeTimer_; }

protected:
    void OnDraw(QPainter& painter) override;
    void OnScrolled() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct HandDrag {
        QPoint start;
        LogicalPoint centre;
    };

    MapFrame CurrentFrame() const;
    void CenterOnWorld(double x, double y);
    // Above zoom 1 the map is first scaled to fit; then the zoom is set and the view
    // centred on the world point moved eastShift logical units east.
    void CenterOnWorldAtZoom(double x, double y, int zoom, int eastShift);
    void StoreMousePosition(QPoint device);
    void FinishRubberBand(QPoint release);
    // The debug options' capture mode: clicks give Land.nav rectangles.
    bool InCaptureMode() const;
    void Capture();

    // The view's own dialogs (trevalo_view_dialogs.cpp).
    void CreateDialogs();
    std::string RunFindOnMap(const NavDatabase& database);

    // View commands in the main frame (trevalo_view_commands.cpp).
    void InstallCommands(QMainWindow* frame);
    void ShowNavaidPopup();

    CTrevaloDoc& document_;
    const DebugOptions& debugOptions_;
    NavDatabase& database_;
    Route& route_;
    MapLayers layers_;
    MapImageCache cache_;
    LabelFont labelFont_;
    DisplaySwitches switches_;
    int zoom_ = kStartZoom;
    TrackMode trackMode_ = TrackMode::Rectangle;
    LandCapture capture_;
    FindDialog findDialog_;
    std::unique_ptr<QtRouteDialogs> routeDialogs_;
    CFindOnMapDlg* findOnMap_ = nullptr;  // child of the view, like the holding dialog
    CHoldingAirportsDlg* holdingAirports_ = nullptr;
    std::unique_ptr<SidStarStore> sidStarStore_;
    CEditSidStarDlg* editSidStar_ = nullptr;  // keeps its fields between openings

    std::optional<QPoint> lastMousePixel_;  // none until the mouse has been in the map
    MapPoint lastMouse_;
    std::optional<HandDrag> handDrag_;
    QRubberBand* rubberBand_ = nullptr;
    std::optional<QPoint> bandStart_;

    QMainWindow* frame_ = nullptr;
    QMenu* navaidPopup_ = nullptr;

    // While Create adventure runs the plane's moves are not drawn; one redraw follows.
    bool generating_ = false;
    SimulatorPlaneTimer planeTimer_;
};

}  // namespace trevalo
