// Adventure definitions for tests: every key in the suite's write order with a
// default value, and a route part built from record lines.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "adf/definition.h"
#include "adf/keys.h"
#include "adf/route_file.h"

namespace textorin::testing {

namespace keys = adf::keys;

struct RouteAirport {
    explicit RouteAirport(std::string airportLine, double heading = 270.0, bool begin = true, std::string ils = {})
        : line(std::move(airportLine)), runwayHeading(heading), runwayBegin(begin), ilsLine(std::move(ils)) {}

    std::string line;
    double runwayHeading = 270.0;
    bool runwayBegin = true;
    std::string ilsLine;                   // empty: none
    std::vector<std::string> sidStarLegs;  // leg texts "t01=...:"
    bool star = false;
    std::vector<adf::UserWaypoint> extraPoints;
};

class DefinitionBuilder {
public:
    DefinitionBuilder();

    // Replaces the value line of a key before the route part.
    DefinitionBuilder& Set(const adf::Key& key, const std::string& value);
    // Turns a key option on with its key text.
    DefinitionBuilder& Key(const adf::Key& key, const std::string& keyText);
    // Replaces the value of a key after the route part.
    DefinitionBuilder& SetLate(const adf::Key& key, const std::string& value);
    // Replaces the description by several lines.
    DefinitionBuilder& Description(const std::vector<std::string>& lines);

    DefinitionBuilder& Airport(const RouteAirport& airport);
    DefinitionBuilder& Vor(const std::string& line, int radial, bool vor1 = true, bool to = true);
    DefinitionBuilder& Ndb(const std::string& line);
    DefinitionBuilder& Holding(int number, int value, adf::HoldingPlace place, std::string navaidLine = {});
    DefinitionBuilder& CorrectedStart(double latitude, double longitude);

    std::vector<std::string> Lines() const;
    adf::Definition Build() const;
    // The file's text with LF line ends.
    std::string Text() const;

private:
    struct KeyValue {
        adf::Key key;
        std::vector<std::string> value;
    };
    static KeyValue& Find(std::vector<KeyValue>& keys, const adf::Key& key);

    std::vector<KeyValue> early_, late_;
    adf::RouteFile route_;
};

}  // namespace textorin::testing
