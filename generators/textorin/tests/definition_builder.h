// Adventure definitions for tests: every key in the suite's write order with a
// default value, and a route part built from record lines.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "adf/definition.h"

namespace textorin::testing {

struct RouteAirport {
    explicit RouteAirport(std::string airportLine, double heading = 270.0, bool begin = true, std::string ils = {})
        : line(std::move(airportLine)), runwayHeading(heading), runwayBegin(begin), ilsLine(std::move(ils)) {}

    std::string line;
    double runwayHeading = 270.0;
    bool runwayBegin = true;
    std::string ilsLine;                   // empty: none
    std::vector<std::string> sidStarLegs;  // leg texts "t01=...:"
    bool star = false;
    std::vector<std::string> extraPoints;  // "lat:lon"
};

class DefinitionBuilder {
public:
    DefinitionBuilder();

    // Replaces the value line of a key before the route part (the first key of code).
    DefinitionBuilder& Set(const std::string& code, const std::string& value);
    // Turns a key option on with its key text.
    DefinitionBuilder& Key(const std::string& code, const std::string& keyText);
    // Replaces the value of a key after the route part.
    DefinitionBuilder& SetLate(const std::string& code, const std::string& value);
    // Replaces the description by several lines.
    DefinitionBuilder& Description(const std::vector<std::string>& lines);

    DefinitionBuilder& Airport(const RouteAirport& airport);
    DefinitionBuilder& Vor(const std::string& line, int radial, bool vor1 = true, bool to = true);
    DefinitionBuilder& Ndb(const std::string& line);
    DefinitionBuilder& Holding(int number, int value, const std::string& place);
    DefinitionBuilder& CorrectedStart(const std::string& latitude, const std::string& longitude);

    std::vector<std::string> Lines() const;
    adf::Definition Build() const;
    // The file's text with LF line ends.
    std::string Text() const;

private:
    struct Key_ {
        std::string key;
        std::vector<std::string> value;
    };
    std::vector<Key_> early_, late_;
    std::vector<std::string> holding_, corrected_, route_;
    int nextEntry_ = 300;
};

}  // namespace textorin::testing
