#include "generation/definition_step.h"

#include "adf/adventure_definition.h"
#include "adf/briefing_file.h"
#include "platform/message_box.h"
#include "platform/text_file.h"

namespace trevalo {
namespace {

using platform::MbIcon;

// The route part: every line of the route file, none when it cannot be read.
std::vector<std::string> RouteFileLines(const std::string& routeFilePath) {
    std::vector<std::string> lines;
    if (platform::ReadLines(routeFilePath, lines)) return lines;
    platform::MessageBox(kRouteFileMissingMessage, {}, MbIcon::Information);
    platform::MessageBox(kRoutePartMissingMessage, kRoutePartMissingCaption, MbIcon::Information);
    return {};
}

}  // namespace

bool WriteDefinition(const DefinitionInputs& inputs) {
    const std::vector<std::string> route = RouteFileLines(inputs.routeFilePath);
    const std::vector<std::string> lines = adf::ComposeDefinition(inputs.values, route, inputs.baseDirectory);
    if (!adf::WriteDefinitionFile(inputs.files.File(".adf"), lines)) {
        platform::MessageBox(adf::kDefinitionNotCreatedMessage, {}, MbIcon::Information);
        return false;
    }
    // The briefing's rows are in the definition whatever happens to its file.
    if (!adf::WriteBriefingFile(inputs.files.File(".brf"),
                                adf::ComposeBriefing(inputs.values, inputs.values.briefing.computedEstimate)))
        platform::MessageBox(kBriefingNotCreatedMessage, kBriefingNotCreatedCaption, MbIcon::Information);
    return true;
}

}  // namespace trevalo
