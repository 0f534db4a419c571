// The state of one generation run: the definition read once, its route, the source
// being written, the route arrays the declarations fill and the hemisphere flags.
// A run is made per CreateTxt call, so no two calls share anything.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adf/definition.h"
#include "adf/keys.h"
#include "route.h"
#include "script_angle.h"
#include "source_writer.h"

namespace textorin {

namespace keys = adf::keys;

struct GenerationRun {
    explicit GenerationRun(const adf::Definition& definition) : adf(definition), route(definition) {}

    const adf::Definition& adf;
    const Route route;
    SourceWriter out;

    // Filled by the declarations block, in route order.
    std::vector<std::string> airportLines, navaidLines, ilsLines;
    HemisphereFlags flags;

    bool IsOptionSet(std::string_view code) const { return adf.IsOptionSet(code); }
    std::string Value(std::string_view code) const { return adf.Value(code); }
    // The second line after the key line: the key text of a key command.
    std::string SecondValue(std::string_view code) const { return adf.Value(code, 2); }

    // Landing speed above 99: the far trigger distances.
    bool FarRange() const;
    // The route has a take-off and a landing, so the landing subroutines exist.
    bool HasLanding() const { return airportLines.size() > 1; }
    // The SID/STAR subroutines exist.
    bool HasSidStar() const { return HasLanding() && !IsOptionSet(keys::kDefaultLanding); }

    std::string Angle(const std::string& angleText) const { return FormatAngleForScript(angleText, flags); }
};

}  // namespace textorin
