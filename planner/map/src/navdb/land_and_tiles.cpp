// The airport loader's land areas and the tile loader's outline shapes, both read from
// files found by a search in the base directory. Full paths throughout: the process's
// current directory is left alone, as other threads may resolve relative paths meanwhile.
#include <cstring>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "navdb/land_areas.h"
#include "navdb/map_tile.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace trevalo {

namespace {

constexpr char kLandPattern[] = "Land*.nav";
constexpr char kMapFolder[] = "Map";
constexpr char kTilePattern[] = "*.tmp";
constexpr char kLandFileUnreadable[] =
    "The Land file '%s', was found but could not be opened\nPlease ensure that the system has "
    "full access to the file\n";
constexpr char kNameMark[] = "%s";

struct Match {
    std::string path;
    bool isFolder;  // found by the search, but no file to open
};

// The entries of a folder that match a pattern, in search order.
std::vector<Match> EntriesMatching(const std::string& folder, const char* pattern) {
    std::vector<Match> matches;
    for (const platform::FoundFile& found : platform::FindFiles(platform::JoinWindowsPath(folder, pattern))) {
        matches.push_back({platform::JoinWindowsPath(folder, found.name), found.isFolder});
    }
    return matches;
}

void ReportUnreadableLandFile(const std::string& path) {
    std::string text = kLandFileUnreadable;
    text.replace(text.find(kNameMark), std::strlen(kNameMark), platform::WindowsNamePart(path));
    platform::MessageBox(text, {}, platform::MbIcon::Information, platform::MbButtons::Ok);
}

}  // namespace

void NavDatabase::LoadLandFiles() {
    for (const Match& match : EntriesMatching(baseDirectory_, kLandPattern)) {
        std::vector<std::string> lines;
        if (match.isFolder || !platform::ReadLines(match.path, lines)) {
            ReportUnreadableLandFile(match.path);
            continue;
        }
        ReadLandAreas(lines, landAreas);
    }
}

void NavDatabase::LoadMapTiles() {
    const std::string folder = platform::JoinWindowsPath(baseDirectory_, kMapFolder);
    for (const Match& match : EntriesMatching(folder, kTilePattern)) {
        std::string bytes;
        if (match.isFolder || !platform::ReadFileBytes(match.path, bytes)) return;
        mapShapes.push_back(DecodeMapTile(bytes));
    }
}

}  // namespace trevalo
