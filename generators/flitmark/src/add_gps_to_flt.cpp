#include <string>
#include <vector>

#include "flitmark/flitmark.h"
#include "gps_section.h"
#include "platform/file_search.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "sibling_path.h"

// The section is appended to the lines in memory and the file replaced whole, so a
// failure leaves the flight file as it was.
bool AddGpsToFlt(std::string adfPath) {
    if (!platform::FileExists(adfPath)) return false;
    const std::string fltPath = flitmark::SiblingPath(adfPath, ".flt");
    std::vector<std::string> fltLines, planLines;
    if (!platform::FileExists(fltPath) || !platform::ReadLines(fltPath, fltLines)) return false;
    if (!platform::ReadLines(flitmark::SiblingPath(adfPath, ".pln"), planLines)) return false;

    const std::vector<std::string> gps = flitmark::GpsSectionLines(platform::WindowsNamePart(fltPath), planLines);
    fltLines.insert(fltLines.end(), gps.begin(), gps.end());
    return platform::WriteLines(fltPath, fltLines);
}
