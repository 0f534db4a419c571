// Drawing the planner's map offscreen at 1920 by 1080 with the view's label font: the
// static layers and idents drawn afresh (what a scroll or zoom step pays), the idents
// written again over the kept static layers (a route edit) and the kept image with the
// route over it, at every zoom an author meets: the world, a region, the first zoom with
// idents and compass roses, the Go to Plane zoom where idents crowd (London, the US east
// coast) and the runway numbers' zoom over a large airport; first with the navaids and
// ILS, then without them. Each figure is the median frame in milliseconds, steadier than
// the mean on a busy machine, printed beside the 16 ms frame and beside a plain read(2)
// of the map's files (the databases and the map tiles) in the same run. Uses the demo
// base directory when scripts/make-demo has written it, else a generated world.
//
//   map_draw_bench                    prints the timings
//   map_draw_bench --only=NAME        times only the frames of that place, or of "on NAME"
//                                     or "off NAME" with the navaids or without (for a
//                                     profiler)
//   map_draw_bench --images=DIR       also writes each timed image (static layers with the
//                                     idents) to DIR/<navaids>-<name>-<zoom>.png
//   map_draw_bench --screenshots=DIR  also writes the map view at three zooms with a
//                                     short route to DIR/map-<zoom>.png (London, Paris,
//                                     Brussels and Amsterdam on the demo data)
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "map/nav_database.h"
#include "mapview/label_font.h"
#include "mapview/map_image_cache.h"
#include "mapview/map_layers.h"
#include "navdata/angle_text.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/file_search.h"
#include "platform/paths.h"
#include "qtplatform/device_context.h"
#include "shell/trevalo_doc.h"
#include "shell/trevalo_view.h"
#include "world_files.h"

namespace {

using namespace trevalo;

constexpr char kBaseDirectory[] = "C:\\Quillet\\";
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kDpi = 96;
constexpr int kFrames = 20;
constexpr int kWorldZoom = 3;
constexpr int kRegionalZoom = 60;
constexpr int kGoToPlaneZoom = 64;
// The first zoom that shows idents and compass roses, and the first of the runway
// numbers on the way in from the world zoom by doubling.
constexpr int kFirstIdentZoom = kIlsZoom + 1;
constexpr int kRunwayNumbersZoom = 12288;
constexpr double kFrameMilliseconds = 16.0;
// The screenshots: the Channel coasts with a route of four capitals' airports, and Paris.
constexpr int kDocsZoom = 110;
constexpr int kCloseZoom = 400;
constexpr const char* kDocsRoute[] = {"EGLL", "LFPG", "EBBR", "EHAM"};
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr int kGeneratedAirports = 20000;
constexpr int kGeneratedTiles = 400;
constexpr int kPointsPerTile = 200;

// Airports spread over the land latitudes and small square tiles, below folder as drive C.
void GenerateWorld(const std::filesystem::path& folder) {
    std::vector<std::string> airports;
    for (int i = 0; i < kGeneratedAirports; ++i) {
        navdata::testing::AirportFields fields;
        const double lon = -170.0 + (i * 7.31) - 340.0 * std::floor((i * 7.31) / 340.0);
        const double lat = -60.0 + (i * 3.17) - 130.0 * std::floor((i * 3.17) / 130.0);
        char ident[16];
        std::snprintf(ident, sizeof ident, "G%d", i);
        fields.ident = ident;
        fields.latitude = fields.runwayStartLatitude = LatitudeToAngleText(lat);
        fields.runwayEndLatitude = LatitudeToAngleText(lat + 0.02);
        fields.longitude = fields.runwayStartLongitude = LongitudeToAngleText(lon);
        fields.runwayEndLongitude = LongitudeToAngleText(lon + 0.02);
        airports.push_back(navdata::testing::SceneryAirportLine(fields));
    }
    const std::filesystem::path base = folder / "Quillet";
    bench::WriteWorldFile(base / "Airport.nav", navdata::DatabaseBytes(airports, navdata::kAirportLineWidth));
    bench::WriteWorldFile(base / "Navaids.nav", navdata::DatabaseBytes({}, navdata::kNavaidLineWidth));
    bench::WriteWorldFile(base / "Ils.nav", navdata::DatabaseBytes({}, navdata::kIlsLineWidth));
    for (int tile = 0; tile < kGeneratedTiles; ++tile) {
        std::string bytes;
        const double lon0 = -170.0 + (tile % 40) * 8.5, lat0 = -50.0 + (tile / 40) * 11.0;
        for (int p = 0; p < kPointsPerTile; ++p) {
            const double angle = 2.0 * 3.14159265 * p / kPointsPerTile;
            const double lat = lat0 + 3.0 * std::sin(angle), lon = lon0 + 3.0 * std::cos(angle);
            const auto a = static_cast<int32_t>(lat / 45.0 * (1 << 30));
            const auto b = static_cast<int32_t>(lon / 45.0 * (1 << 29));
            bytes.append(reinterpret_cast<const char*>(&a), 4).append(reinterpret_cast<const char*>(&b), 4);
        }
        char name[32];
        std::snprintf(name, sizeof name, "Map%05d.tmp", tile + 1);
        bench::WriteWorldFile(base / "Map" / name, bytes);
    }
}

MapFrame FrameAround(int zoom, double longitude, double latitude) {
    const MapProjection projection = MapProjection::ForScreen(zoom);
    const qtplatform::Point centre =
        projection.ToLogical(longitude * kArcSecondsPerDegree, latitude * kArcSecondsPerDegree);
    const int halfWidth = kWidth * 254 / kDpi / 2, halfHeight = kHeight * 254 / kDpi / 2;
    const qtplatform::Rect client{centre.x - halfWidth, centre.y + halfHeight, centre.x + halfWidth,
                                  centre.y - halfHeight};
    return ScreenFrame(zoom, client, 254 / kDpi, DisplaySwitches{});
}

// The three airports of the position's cell nearest to it, as a route.
std::vector<CRoutePoint> ShortRoute(const NavDatabase& database, double longitude, double latitude) {
    std::vector<CRoutePoint> route;
    const double x = longitude * kArcSecondsPerDegree, y = latitude * kArcSecondsPerDegree;
    const int cell = GridCell(x, y);
    if (cell < 0) return route;
    std::vector<AirportRecord> nearest = database.airportGrid[cell];
    std::sort(nearest.begin(), nearest.end(), [&](const AirportRecord& a, const AirportRecord& b) {
        return std::hypot(a.x - x, a.y - y) < std::hypot(b.x - x, b.y - y);
    });
    for (const AirportRecord& airport : nearest) {
        if (route.size() == 3) break;
        if (!route.empty() && route.back().ident == airport.id) continue;
        CRoutePoint point;
        point.x = airport.x;
        point.y = airport.y;
        point.type = kPointAirport;
        point.ident = airport.id;
        route.push_back(point);
    }
    return route;
}

// The first runway line of each ident, in order; empty unless all are in the database.
std::vector<CRoutePoint> RouteOfAirports(const NavDatabase& database, std::span<const char* const> idents) {
    std::vector<CRoutePoint> route;
    for (const char* ident : idents) {
        for (const std::vector<AirportRecord>& cell : database.airportGrid) {
            const auto named = [&](const AirportRecord& airport) { return std::strcmp(airport.id, ident) == 0; };
            const auto found = std::find_if(cell.begin(), cell.end(), named);
            if (found == cell.end()) continue;
            CRoutePoint point;
            point.x = found->x;
            point.y = found->y;
            point.type = kPointAirport;
            point.ident = found->id;
            route.push_back(point);
            break;
        }
    }
    return route.size() == idents.size() ? route : std::vector<CRoutePoint>{};
}

double MillisecondsPerFrame(const std::function<void()>& frame) {
    std::vector<double> times;
    for (int i = 0; i < kFrames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kFrames / 2, times.end());
    return times[kFrames / 2];
}

// The files the map is drawn from, as host paths: the databases and the map tiles.
std::vector<std::filesystem::path> MapFilePaths(bool navaids) {
    std::vector<std::filesystem::path> paths;
    std::vector<const char*> names{"Airport.nav"};
    if (navaids) names.insert(names.end(), {"Navaids.nav", "Ils.nav"});
    for (const char* name : names) paths.push_back(platform::HostPath(platform::JoinWindowsPath(kBaseDirectory, name)));
    const std::string map = platform::JoinWindowsPath(kBaseDirectory, "Map");
    for (const platform::FoundFile& tile : platform::FindFiles(platform::JoinWindowsPath(map, "*.tmp")))
        paths.push_back(platform::HostPath(platform::JoinWindowsPath(map, tile.name)));
    return paths;
}

struct Place {
    const char* name;
    int zoom;
    double longitude, latitude;
};

constexpr Place kPlaces[] = {
    {"world", kWorldZoom, 0.0, 0.0},          {"regional", kRegionalZoom, 10.0, 50.0},
    {"idents", kFirstIdentZoom, 10.0, 50.0},  {"London", kGoToPlaneZoom, -0.2, 51.5},
    {"US east", kGoToPlaneZoom, -75.0, 40.0}, {"Heathrow", kRunwayNumbersZoom, -0.46, 51.47},
};

struct Options {
    std::string screenshots, images, only;
};

void TimePlace(const NavDatabase& database, const Place& place, const char* navaids, double read,
               const Options& options) {
    const MapLayers layers(database);
    const MapFrame frame = FrameAround(place.zoom, place.longitude, place.latitude);
    const std::vector<CRoutePoint> route = ShortRoute(database, place.longitude, place.latitude);
    MapImageCache cache;
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    // A route edit: the route's idents change, and the idents are written again.
    const LabelPriorities priorities[] = {
        LabelPrioritiesFor(route, std::nullopt),
        LabelPrioritiesFor(std::span(route).first(route.empty() ? 0 : route.size() - 1), std::nullopt)};
    LabelFont font;
    font.Update(frame.projection.zoom);
    int edits = 0;
    const auto image = [&]() -> const QImage& {
        return layers.CachedImage(cache, frame, window.size(), kDpi, font.Font(), priorities[edits % 2]);
    };
    const auto paint = [&] {
        QPainter painter(&window);
        painter.drawImage(0, 0, image());
        qtplatform::DeviceContext dc(painter);
        PrepareMapDC(dc, frame);
        layers.DrawRoute(dc, frame, route);
    };
    const double fresh = MillisecondsPerFrame([&] {
        cache.Invalidate();
        paint();
    });
    const double edit = MillisecondsPerFrame([&] {
        ++edits;
        paint();
    });
    const double cached = MillisecondsPerFrame(paint);
    std::printf("%-4s %-9s %6d %8.2f %5.0f %8.2f %8.2f %8.2f\n", navaids, place.name, place.zoom, fresh,
                kFrameMilliseconds, read, edit, cached);
    if (!options.images.empty()) {
        const std::string path =
            options.images + "/" + navaids + "-" + place.name + "-" + std::to_string(place.zoom) + ".png";
        image().save(QString::fromStdString(path), "PNG");
    }
}

// Every place's frames, beside the median read(2) of the map's files.
void TimePlaces(const NavDatabase& database, bool navaids, const Options& options) {
    const std::vector<std::filesystem::path> paths = MapFilePaths(navaids);
    std::vector<char> buffer;
    size_t bytes = 0;
    const double read = MillisecondsPerFrame([&] { bytes = bench::ReadFilesPlainly(paths, buffer); });
    std::printf("navaids %s: read(2) of the map's %zu files, %.1f MB: %.2f ms\n", navaids ? "on" : "off", paths.size(),
                bytes / 1e6, read);
    for (const Place& place : kPlaces) {
        const std::string name = std::string(navaids ? "on " : "off ") + place.name;
        if (options.only.empty() || options.only == place.name || options.only == name)
            TimePlace(database, place, navaids ? "on" : "off", read, options);
    }
}

void WriteScreenshots(const std::string& folder, const char* driveC) {
    const struct {
        int zoom;
        double longitude, latitude;
    } shots[] = {{kWorldZoom, 10.0, 50.0}, {kDocsZoom, 2.4, 50.6}, {kCloseZoom, 2.55, 49.0}};
    setenv("QUILLET_DRIVE_C", driveC, 1);
    CTrevaloDoc document(kBaseDirectory);
    const DebugOptions options;
    CTrevaloView view(document, options);
    view.resize(1280, 800);
    view.show();
    view.OnInitialUpdate();
    std::vector<CRoutePoint> route = RouteOfAirports(view.Database(), kDocsRoute);
    if (route.empty()) route = ShortRoute(view.Database(), shots[1].longitude, shots[1].latitude);
    for (const CRoutePoint& point : route) view.GetRoute().Points().push_back(point);
    for (const auto& shot : shots) {
        view.CenterOnLatLon(shot.latitude, shot.longitude, shot.zoom);
        QApplication::processEvents();
        const std::string path = folder + "/map-" + std::to_string(shot.zoom) + ".png";
        view.grab().save(QString::fromStdString(path), "PNG");
        std::printf("wrote %s\n", path.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        for (auto [prefix, value] : {std::pair{"--screenshots=", &options.screenshots},
                                     std::pair{"--images=", &options.images}, std::pair{"--only=", &options.only}}) {
            if (argument.rfind(prefix, 0) == 0) *value = argument.substr(std::strlen(prefix));
        }
    }

    std::filesystem::path driveC = QUILLET_DEMO_DRIVE_C;
    std::filesystem::path generated;
    if (!std::filesystem::exists(driveC / "Quillet" / "Airport.nav")) {
        generated = std::filesystem::temp_directory_path() / ("map_draw_bench_" + std::to_string(getpid()));
        GenerateWorld(generated);
        driveC = generated;
        std::printf("No demo data: drawing a generated world\n");
    }
    setenv("QUILLET_DRIVE_C", driveC.c_str(), 1);
    NavDatabase database(kBaseDirectory);
    database.StartLoaders();
    database.WaitForLoaders([](int) {});
    std::printf("%d airports, %d navaids, %zu ILS, %zu map tiles\n", database.airportCount, database.navaidCount,
                database.ils.empty() ? 0 : database.ils.size() - 1, database.mapShapes.size());
    std::printf(
        "Milliseconds a frame, the median of %d: the static layers and idents drawn afresh (a scroll or\n"
        "zoom step), the frame, a read(2) of the map's files, the idents written again over the\n"
        "static layers (a route edit), the cached image with the route over it\n",
        kFrames);
    std::printf("nav  place       zoom   static frame  read(2)   idents   cached\n");

    TimePlaces(database, true, options);
    // The same world without navaids and ILS.
    for (auto& cell : database.navaidGrid) cell.clear();
    database.ils.resize(std::min<std::size_t>(database.ils.size(), 1));
    TimePlaces(database, false, options);
    if (!options.screenshots.empty()) WriteScreenshots(options.screenshots, driveC.c_str());
    if (!generated.empty()) std::filesystem::remove_all(generated);
    return 0;
}
