// Keys and tags of the route file map_internal.adf, shared by its writer and reader.
#pragma once

#include <cstddef>

namespace trevalo::route_detail {

inline constexpr const char* kHoldingNumberKeyFormat = "\tATC_GIVE_HOLDING_104_LINE_NUM%02d:";
inline constexpr const char* kHoldingLineKeyFormat = "\tATC_GIVE_HOLDING_104_LINE_%02d:";
inline constexpr const char* kNoHoldValue = "NOHOLD";
inline constexpr const char* k10NmValue = "10NM";

inline constexpr const char* kCorrectLatitudeKey = "\tCORRECT_LAT_6000:";
inline constexpr const char* kCorrectLongitudeKey = "\tCORRECT_LON_6001:";

inline constexpr const char* kSectionFormat = "NAVAIDINFO_%d:";
inline constexpr int kFirstSectionNumber = 300;
// The reader starts at the first line holding this.
inline constexpr const char* kFirstSectionMark = "_300";

inline constexpr const char* kRadialTag = "[RADIAL_N]";
inline constexpr const char* kRadialFormat = "[RADIAL_N]:-%03d-";
// The radial's three digits follow "[RADIAL_N]:-".
inline constexpr size_t kRadialDigitsColumn = 12;
inline constexpr size_t kRadialDigits = 3;
inline constexpr const char* kVor1Tag = "[LPARAM]VOR1";
inline constexpr const char* kVor2Tag = "[LPARAM]VOR2";
inline constexpr const char* kToTag = "[LPARAM]TO";
inline constexpr const char* kFromTag = "[LPARAM]FROM";
inline constexpr const char* kEndSectionTag = "[ENDSECTION]";

inline constexpr const char* kRunwayBeginFormat = "[BEG]%f";
inline constexpr const char* kRunwayEndFormat = "[END]%f";
inline constexpr const char* kRunwayEndTag = "[END]";
// The heading follows the five characters of "[BEG]" or "[END]".
inline constexpr size_t kRunwayHeadingColumn = 5;

inline constexpr const char* kSidKind = "SID";
inline constexpr const char* kStarKind = "STAR";
inline constexpr const char* kProcedureIdentFormat = "[%s_ID]%s";
inline constexpr const char* kProcedureNameFormat = "[%s_NM]%s";
inline constexpr const char* kSidStarTag = "[SIDSTAR]";
inline constexpr const char* kUserWaypointFormat = "[SIDSTAR_EXTRA]%f:%f";
inline constexpr const char* kIlsTag = "[ILS]";

}  // namespace trevalo::route_detail
