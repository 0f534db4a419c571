#include "aerodrex/line_type.h"

#include "navdata/field_reader.h"
#include "navdata/line_widths.h"

namespace {

int LineTypeOfLength(std::size_t length) {
    switch (length) {
        case navdata::kAirportLineWidth:
            return kAirportLineType;
        case navdata::kNavaidLineWidth:
            return kNavaidLineType;
        case navdata::kIlsLineWidth:
            return kIlsLineType;
        default:
            return kOtherLineType;
    }
}

}  // namespace

int GetLineType(const char* line) {
    // Any length beyond the longest kind is as good as one past it.
    return LineTypeOfLength(navdata::BoundedLine(line, navdata::kAirportLineWidth + 1).size());
}

int GetLineType(std::string line) { return LineTypeOfLength(line.size()); }
