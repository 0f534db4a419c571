#include "known_lines.h"

#include <cstdint>
#include <cstring>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "beaconex/navaid_getters.h"
#include "beaconex/navaid_line_layout.h"
#include "navdata/field_reader.h"
#include "navdata/side_field.h"
#include "platform/numbers.h"

namespace scenrix::detail {

namespace {

namespace navaid = beaconex::navaid_line;
namespace airport = aerodrex::airport_line;

// Copies width characters of a field into the key at offset.
template <std::size_t N>
void PutField(std::array<char, N>& key, std::size_t offset, const char* field, std::size_t width) {
    std::memcpy(key.data() + offset, field, width);
}

// Whether any of the first count bytes is zero, eight at a time without a branch for each:
// a word has a zero byte exactly when (word - 0x01...) & ~word & 0x80... is not 0.
bool HasZeroByte(const char* bytes, std::size_t count) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::uint64_t zeros = 0;
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= count; i += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + i, sizeof word);
        zeros |= (word - kOnes) & ~word & kHighBits;
    }
    for (; i < count; ++i) zeros |= bytes[i] == 0 ? 1u : 0u;
    return zeros != 0;
}

}  // namespace

// The getters read a line up to its first zero byte; a line without one that reaches
// past the key's fields gives them its columns as they stand.
bool HoldsColumns(const std::string& line, std::size_t end) {
    return line.size() >= end && !HasZeroByte(line.data(), end);
}

NavaidKey MakeNavaidKey(const std::string& line) {
    NavaidKey key;
    if (HoldsColumns(line, navaid::kFrequency.end())) {
        PutField(key, 0, line.data() + navaid::kType.column, navaid::kType.width);
        PutField(key, navaid::kType.width, line.data() + navaid::kFrequency.column, navaid::kFrequency.width);
        PutField(key, navaid::kType.width + navaid::kFrequency.width, line.data() + navaid::kIdent.column,
                 navaid::kIdent.width);
        return key;
    }
    char type[navaid::kType.size()];
    char frequency[navaid::kFrequency.size()];
    char ident[navaid::kIdent.size()];
    GetNavaidsType(type, line.c_str());
    GetNavaidsFreq(frequency, line.c_str());
    GetNavaidsID(ident, line.c_str());
    PutField(key, 0, type, navaid::kType.width);
    PutField(key, navaid::kType.width, frequency, navaid::kFrequency.width);
    PutField(key, navaid::kType.width + navaid::kFrequency.width, ident, navaid::kIdent.width);
    return key;
}

// The runway degree is taken from the line as held: a line that still carries its line
// feed is not 335 characters long and reads as degree 0, as the known lines do too.
AirportKey MakeAirportKey(const std::string& line) {
    AirportKey key;
    constexpr std::int32_t kNoDegree = 0;
    if (line.size() == airport::kWidth + 1 && HoldsColumns(line, line.size())) {
        key[0] = navdata::SideLetter(navdata::FieldText(line, airport::kSide), airport::kSideLetters);
        std::memcpy(key.data() + 1, &kNoDegree, sizeof kNoDegree);
        PutField(key, 1 + sizeof kNoDegree, line.data() + airport::kIdent.column, airport::kIdent.width);
        return key;
    }
    key[0] = GetAirportRnw(line.c_str());
    const std::int32_t degree = platform::SaturatingInt(GetAirportRunwayDegree(line.c_str()));
    std::memcpy(key.data() + 1, &degree, sizeof degree);
    char ident[airport::kIdent.size()];
    GetAirportID(ident, line.c_str());
    PutField(key, 1 + sizeof degree, ident, airport::kIdent.width);
    return key;
}

std::size_t AddNewLines(LineSet& set, std::vector<std::string>& newLines, const std::vector<std::size_t>& hashes,
                        std::vector<std::string>& lines) {
    const std::size_t before = lines.size();
    for (std::size_t i = 0; i < newLines.size(); ++i) {
        if (i + kPrefetchDistance < hashes.size()) set.Prefetch(hashes[i + kPrefetchDistance]);
        if (set.Place(newLines[i], hashes[i], lines.size(), lines).inserted) lines.push_back(std::move(newLines[i]));
    }
    return lines.size() - before;
}

}  // namespace scenrix::detail
