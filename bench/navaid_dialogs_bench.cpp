// The planner's dialogs that list navaids, timed as a user meets them on the demo world
// (scripts/make-demo, with its ~10,800 navaids): each click's work in milliseconds, the
// dialog's list filled and laid out. Prints one line per click: the first and the median
// of a few.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "map/nav_database.h"
#include "mapdialogs/find_on_map_dlg.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "mapdialogs/select_navaid_dlg.h"
#include "qtplatform/control_ids.h"

namespace {

using namespace trevalo;

constexpr char kBaseDirectory[] = "C:\\Quillet\\";
constexpr int kRuns = 5;
// London Heathrow, arc-seconds.
constexpr double kHeathrowX = -0.4614 * 3600;
constexpr double kHeathrowY = 51.4775 * 3600;
constexpr int kHoldingRangeNm = 20;
constexpr int kNoRange = -1;

struct Timing {
    double first = 0;   // the first click, as a user meets it
    double median = 0;  // of a few clicks
};

// Each click with the events it posted handled.
Timing ClickTimes(const std::function<void()>& click) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        click();
        QApplication::processEvents();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    return {first, times[times.size() / 2]};
}

void Report(const char* click, Timing timing) {
    std::printf("%-46s first %7.1f ms, median %7.1f ms\n", click, timing.first, timing.median);
}

void TimeFindOnMap(const NavDatabase& database, const char* text, bool airports, const char* click) {
    CFindOnMapDlg dialog;
    dialog.SetLists(&database.navaidLines, &database.airportLines);
    dialog.show();
    qtplatform::FindControl<QLineEdit>(&dialog, CFindOnMapDlg::kSearchText)->setText(text);
    qtplatform::FindControl<QCheckBox>(&dialog, CFindOnMapDlg::kAirports)->setChecked(airports);
    auto* find = qtplatform::FindControl<QPushButton>(&dialog, CFindOnMapDlg::kFind);
    Report(click, ClickTimes([&] { find->click(); }));
}

void TimeHoldingRadio(const NavDatabase& database, int rangeNm, const char* click) {
    Report(click, ClickTimes([&] {
               CHoldingRadioDlg dialog(kHeathrowX, kHeathrowY, &database.navaidLines, rangeNm);
               dialog.show();
               dialog.hide();
           }));
}

void TimeSelectNavaid(const NavDatabase& database, const char* ident, const char* click) {
    Report(click, ClickTimes([&] {
               CSelectNavaidDlg dialog(ident, database);
               dialog.show();
               dialog.hide();
           }));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const char* driveC = std::getenv("QUILLET_DRIVE_C");
    if (driveC == nullptr) setenv("QUILLET_DRIVE_C", QUILLET_DEMO_DRIVE_C, 1);
    NavDatabase database(kBaseDirectory);
    database.StartLoaders();
    database.WaitForLoaders({});
    std::printf("%d runway lines, %d navaids\n", database.airportLines.GetSize(), database.navaidLines.GetSize());
    if (database.navaidLines.GetSize() == 0) {
        std::fprintf(stderr, "navaid_dialogs_bench: no navaids (run scripts/make-demo)\n");
        return 1;
    }
    TimeFindOnMap(database, "O", true, "Find on map \"O\", navaids and airports");
    TimeFindOnMap(database, "O", false, "Find on map \"O\", navaids only");
    TimeFindOnMap(database, "LONDON", true, "Find on map \"LONDON\"");
    TimeFindOnMap(database, "OCK", true, "Find on map \"OCK\"");
    TimeHoldingRadio(database, kNoRange, "Holding Radio, every navaid");
    TimeHoldingRadio(database, kHoldingRangeNm, "Holding Radio, within 20 nm of Heathrow");
    TimeSelectNavaid(database, "BUR", "Select Navaid \"BUR\"");
    return 0;
}
