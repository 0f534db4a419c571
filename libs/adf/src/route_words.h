// The words of the route part, shared by its writer and its reader.
#pragma once

#include <cstddef>
#include <string_view>

namespace adf::route_words {

// "NAVAIDINFO_%d:"
inline constexpr std::string_view kSectionPrefix = "NAVAIDINFO_";
inline constexpr std::string_view kSectionSuffix = ":";
inline constexpr std::string_view kEndSection = "[ENDSECTION]";

// Navaid sections. The radial's three digits follow "[RADIAL_N]:-".
inline constexpr const char* kRadialFormat = "[RADIAL_N]:-%03d-";
inline constexpr std::string_view kRadialTag = "[RADIAL_N]";
inline constexpr size_t kRadialDigitsColumn = 12;
inline constexpr size_t kRadialDigits = 3;
inline constexpr std::string_view kVor1Tag = "[LPARAM]VOR1";
inline constexpr std::string_view kVor2Tag = "[LPARAM]VOR2";
inline constexpr std::string_view kToTag = "[LPARAM]TO";
inline constexpr std::string_view kFromTag = "[LPARAM]FROM";

// A DME point's section: its navaid record line after the tag, no other line. Readers
// that know no DME points pass the line over.
inline constexpr std::string_view kDmeTag = "[DME]";

// Airport sections: the runway end and its heading ("%f") first.
inline constexpr std::string_view kRunwayBeginTag = "[BEG]";
inline constexpr std::string_view kRunwayEndTag = "[END]";
inline constexpr std::string_view kSidIdentTag = "[SID_ID]";
inline constexpr std::string_view kStarIdentTag = "[STAR_ID]";
inline constexpr std::string_view kSidNameTag = "[SID_NM]";
inline constexpr std::string_view kStarNameTag = "[STAR_NM]";
inline constexpr std::string_view kLegTag = "[SIDSTAR]";
// "[SIDSTAR_EXTRA]%f:%f": latitude, then longitude.
inline constexpr std::string_view kUserWaypointTag = "[SIDSTAR_EXTRA]";
inline constexpr char kUserWaypointSeparator = ':';
// The ILS record line follows on the next line.
inline constexpr std::string_view kIlsTag = "[ILS]";

// Holding lines, numbered "%02d" from 1.
inline constexpr const char* kHoldingValueKeyFormat = "\tATC_GIVE_HOLDING_104_LINE_NUM%02d:";
inline constexpr const char* kHoldingPlaceKeyFormat = "\tATC_GIVE_HOLDING_104_LINE_%02d:";
inline constexpr std::string_view kHoldingKeyPrefix = "\tATC_GIVE_HOLDING_104_LINE_";
inline constexpr std::string_view kHoldingValueMark = "NUM";
inline constexpr std::string_view kNoHolding = "NOHOLD";
inline constexpr std::string_view kTenMiles = "10NM";

inline constexpr std::string_view kCorrectedLatitudeKey = "\tCORRECT_LAT_6000:";
inline constexpr std::string_view kCorrectedLongitudeKey = "\tCORRECT_LON_6001:";

}  // namespace adf::route_words
