// Adding, removing and clearing route points.
#include <cmath>

#include "map/route.h"
#include "pick_list.h"
#include "platform/message_box.h"
#include "route_messages.h"

namespace trevalo {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

namespace {

// Stand-ins while no view is attached: nothing is chosen, nothing is drawn.
struct NoDialogs : RouteDialogs {
    std::optional<PickListEntry> SelectId(const std::vector<PickListEntry>&,
                                          const std::vector<PickListEntry>&) override {
        return std::nullopt;
    }
    std::optional<VorDialogChoice> SelectVor(const VorDialogRequest&) override { return std::nullopt; }
};

struct NoHost : RouteHost {
    void RedrawAll(bool) override {}
    void RunGeneration() override {}
    void ClosePlanner() override {}
    void ApplicationFileNew() override {}
};

NoDialogs noDialogs;
NoHost noHost;

}  // namespace

Route::Route(const NavDatabase& database) : database_(database), dialogs_(&noDialogs), host_(&noHost) {}

void Route::AttachView(RouteDialogs* dialogs, RouteHost* host) {
    dialogs_ = dialogs != nullptr ? dialogs : &noDialogs;
    host_ = host != nullptr ? host : &noHost;
}

void Route::SetWizardPages(FlightPlanPage* flightPlan, LandingPage* landing) {
    flightPlan_ = flightPlan;
    landing_ = landing;
}

bool Route::HasRoomFor(int newPoints) const {
    if (Count() + newPoints <= kMaxRoutePoints) {
        return true;
    }
    platform::MessageBox(route_detail::kTooManyPointsMessage, {}, MbIcon::Stop, MbButtons::Ok);
    return false;
}

int Route::LastVor1Index() const {
    for (int i = Count() - 1; i >= 0; --i) {
        if (points_[static_cast<size_t>(i)].vorRole == kVor1Role) {
            return i;
        }
    }
    return -1;
}

int Route::AirportsBefore(int index) const {
    int airports = 0;
    for (int i = 0; i < index && i < Count(); ++i) {
        airports += points_[static_cast<size_t>(i)].IsAirport() ? 1 : 0;
    }
    return airports;
}

bool Route::RunVorDialog(int previousVor1, double x, double y, CRoutePoint& point) {
    VorDialogRequest request;
    if (previousVor1 >= 0) {
        request.previousX = points_[static_cast<size_t>(previousVor1)].x;
        request.previousY = points_[static_cast<size_t>(previousVor1)].y;
    }
    request.x = x;
    request.y = y;
    request.correction = static_cast<int>(std::lround(database_.GetNearestMagVar(x, y)));
    request.routePoints = &points_;
    const std::optional<VorDialogChoice> choice = dialogs_->SelectVor(request);
    if (!choice) {
        return false;
    }
    point.vorRole = choice->whichVor == 1 ? kVor2Role : kVor1Role;
    point.course = choice->radial;
    point.directionFlag = choice->to;
    return true;
}

int Route::BuildPickList(double clickX, double clickY, double& x, double& y, double& course, double& databaseNumber,
                         bool& directionFlag, std::string& ident) {
    const route_detail::PickLists lists = route_detail::BuildPickEntries(database_, clickX, clickY);
    if (!lists.ListsSomething()) {
        return -1;
    }
    const std::optional<PickListEntry> chosen = dialogs_->SelectId(lists.airports, lists.navaids);
    if (!chosen) {
        return -1;
    }
    const std::optional<route_detail::PickedRecord> picked = route_detail::ResolvePickEntry(database_, *chosen);
    if (!picked) {
        return -1;
    }
    x = picked->x;
    y = picked->y;
    course = picked->course;
    databaseNumber = picked->databaseNumber;
    directionFlag = picked->directionFlag;
    ident = picked->ident;
    return picked->type;
}

void Route::AddRoutePointAt(double clickX, double clickY) {
    if (!HasRoomFor(1)) {
        return;
    }
    CRoutePoint point;
    const int type = BuildPickList(clickX, clickY, point.x, point.y, point.course, point.databaseNumber,
                                   point.directionFlag, point.ident);
    if (type < 0) {
        return;
    }
    point.type = type;

    // An airport that ends one leg also starts the next, from its other runway end.
    bool appended = false;
    if (Count() >= 2 && points_.back().IsAirport()) {
        if (!HasRoomFor(2)) {
            return;
        }
        CRoutePoint repeat = points_.back();
        repeat.directionFlag = !repeat.directionFlag;
        points_.push_back(repeat);
        appended = true;
    }

    if (point.type == kPointVor) {
        if (!RunVorDialog(LastVor1Index(), point.x, point.y, point)) {
            if (appended) {
                host_->RedrawAll(true);
            }
            return;
        }
    } else if (!points_.empty() && points_.back().type == kPointVor &&
               platform::MessageBox(route_detail::kUsePreviousVorQuestion, {}, MbIcon::Question, MbButtons::YesNo) ==
                   MbResult::Yes) {
        if (!HasRoomFor(2)) {
            return;
        }
        const int previous = LastVor1Index() >= 0 ? LastVor1Index() : Count() - 1;
        CRoutePoint vor = points_[static_cast<size_t>(previous)];
        if (RunVorDialog(previous, point.x, point.y, vor)) {
            points_.push_back(vor);
            points_.push_back(point);
        }
        host_->RedrawAll(true);
        return;
    }

    const bool sharesCoordinate = !points_.empty() && (points_.back().x == point.x || points_.back().y == point.y);
    if (!sharesCoordinate) {
        points_.push_back(point);
        appended = true;
    }
    if (appended) {
        host_->RedrawAll(true);
    }
}

void Route::RemoveRoutePoints(int first) {
    if (first < 1 || first > Count()) {
        return;
    }
    const size_t index = static_cast<size_t>(first - 1);
    const bool wasAirport = points_[index].IsAirport();
    if (wasAirport && landing_ != nullptr) {
        landing_->ResetAirportProcedures(AirportsBefore(first - 1));
    }
    points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(index));

    // A FROM VOR two places before goes with the point it led to.
    if (first - 2 >= 1) {
        const CRoutePoint& before = points_[static_cast<size_t>(first - 3)];
        if (before.type == kPointVor && !before.directionFlag) {
            RemoveRoutePoints(first - 2);
        }
    }
    if (Count() >= 2 && points_.back().IsEqual(points_[static_cast<size_t>(Count() - 2)])) {
        RemoveRoutePoints(Count());
    }
    if (wasAirport && landing_ != nullptr) {
        landing_->RefreshAirportList();
    }
}

void Route::RemoveAllRoutePoints() {
    while (Count() > 0) {
        RemoveRoutePoints(1);
    }
}

void Route::OnUndoSelection() {
    if (!CanUndo()) {
        return;
    }
    RemoveRoutePoints(Count());
    host_->RedrawAll(true);
}

void Route::OnFileNew() {
    RemoveAllRoutePoints();
    host_->ApplicationFileNew();
}

}  // namespace trevalo
