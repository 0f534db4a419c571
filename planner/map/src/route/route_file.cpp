// Writing the route file for Create adventure, and reading it back.
#include "map/route.h"
#include "map/route_file_reader.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "route_file_writer.h"
#include "route_messages.h"

namespace trevalo {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

void Route::OnCreateAdventure() {
    if (landing_ != nullptr) {
        landing_->UpdateProcedures();
    }
    route_detail::RouteFileInputs inputs{
        points_, database_, landing_ != nullptr && landing_->HoldingEnabled(), TripEntries(), {},
    };
    if (landing_ != nullptr) {
        const int airports = AirportsBefore(Count());
        for (int airport = 0; airport < airports; ++airport) {
            inputs.procedureLegs.push_back(landing_->ProcedureLegs(airport));
        }
    }
    // The old file is replaced only by a complete new one: a stop keeps the previous route.
    const std::optional<adf::RouteFile> file = route_detail::ComposeRouteFile(inputs);
    if (!file) {
        return;
    }
    if (!platform::WriteLines(RouteFilePath(), adf::WriteRouteFile(*file))) {
        if (platform::MessageBox(route_detail::kFileNotCreatedQuestion, {}, MbIcon::Question, MbButtons::YesNo, 1) ==
            MbResult::Yes) {
            host_->ClosePlanner();
        }
        return;
    }
    host_->RunGeneration();
}

void Route::ReadInternalAdf() {
    std::vector<std::string> lines;
    if (!platform::ReadLines(RouteFilePath(), lines)) {
        return;
    }
    ReadRouteLines(lines);
}

void Route::ReadRouteLines(const std::vector<std::string>& lines) {
    RemoveAllRoutePoints();
    RouteFileContents contents = ParseRouteFile(lines, database_);
    switch (contents.status) {
        case RouteFileStatus::NavaidMissing:
            platform::MessageBox(route_detail::kNavaidNotFoundMessage, {}, MbIcon::Information);
            break;
        case RouteFileStatus::TooManyPoints:
            platform::MessageBox(route_detail::kTooManyPointsMessage, {}, MbIcon::Stop);
            points_ = std::move(contents.points);
            break;
        case RouteFileStatus::Read:
            points_ = std::move(contents.points);
            break;
    }
    host_->RedrawAll(true);
}

}  // namespace trevalo
