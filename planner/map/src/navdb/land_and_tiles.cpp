// The airport loader's land areas and the tile loader's outline shapes, both read from
// files found by a search in the base directory. Full paths throughout: the process's
// current directory is left alone, as other threads may resolve relative paths meanwhile.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "navdb/land_areas.h"
#include "navdb/map_tile.h"
#include "navdb/share_work.h"
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
constexpr int kTilesPerShare = 256;

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
    // The folder is resolved once; the search gives each tile's name as it is on disk.
    const std::filesystem::path hostFolder = platform::HostPath(folder);
    const std::vector<platform::FoundFile> tiles = platform::FindFiles(platform::JoinWindowsPath(folder, kTilePattern));
    std::vector<MapShape> shapes(tiles.size());
    std::vector<char> read(tiles.size(), 0);
    const std::vector<Share> shares = SharesOf(static_cast<int>(tiles.size()), kTilesPerShare);
    OnThreads(static_cast<int>(shares.size()), [&](int s) {
        std::string bytes;
        for (int i = shares[static_cast<size_t>(s)].first; i < shares[static_cast<size_t>(s)].last; ++i) {
            const platform::FoundFile& tile = tiles[static_cast<size_t>(i)];
            if (tile.isFolder || !platform::ReadHostFileBytes(hostFolder / tile.name, bytes)) return;
            shapes[static_cast<size_t>(i)] = DecodeMapTile(bytes);
            read[static_cast<size_t>(i)] = 1;
        }
    });
    // A tile that cannot be read ends the tiles there, as when they are read one by one.
    const size_t readInOrder = static_cast<size_t>(std::find(read.begin(), read.end(), 0) - read.begin());
    mapShapes.insert(mapShapes.end(), std::make_move_iterator(shapes.begin()),
                     std::make_move_iterator(shapes.begin() + static_cast<std::ptrdiff_t>(readInOrder)));
}

}  // namespace trevalo
