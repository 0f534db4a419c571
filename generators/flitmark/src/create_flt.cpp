#include <string>
#include <vector>

#include "adf/definition.h"
#include "flitmark/flitmark.h"
#include "flt_edits.h"
#include "flt_text.h"
#include "platform/file_search.h"
#include "platform/text_file.h"
#include "sibling_path.h"
#include "year_source.h"

// Every edit is made on the lines in memory and the file is replaced once, whole, so a
// failure leaves the flight file as it was. A key the file lacks is skipped; a flight
// file that cannot be read or written is a failure.
bool CreateFlt(const char* adfPath, std::vector<std::string>* waypoints) {
    if (adfPath == nullptr || !platform::FileExists(adfPath)) return false;
    const std::string fltPath = flitmark::SiblingPath(adfPath, ".flt");
    if (!platform::FileExists(fltPath)) return false;
    adf::Definition definition;
    if (!definition.Load(adfPath)) return false;

    std::vector<std::string> lines;
    if (!platform::ReadLines(fltPath, lines)) return false;
    for (const flitmark::FltEdit& edit : flitmark::PlanFltEdits(definition, waypoints, flitmark::CurrentYear()))
        flitmark::SetFltValue(lines, edit.section, edit.key, edit.value);
    return platform::WriteLines(fltPath, lines);
}
