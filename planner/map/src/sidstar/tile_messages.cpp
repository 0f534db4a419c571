#include "map/sidstar_tile_file.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

constexpr const char* kCannotWrite =
    "The file could not be created/ saved.\nPlease ensure that the file is not been used,\n"
    "and that you have access to the directory\n";
constexpr const char* kCannotRead =
    "The file could not be created.\nPlease ensure that the file is not been used,\n"
    "and that you have access to the directory\n";
constexpr const char* kTextRefused =
    "The procedure was not saved:\nits texts may not hold a line break,\nand the texts of its legs may not hold a "
    "':'.\n";

}  // namespace

void ReportTileStatus(TileStatus status) {
    const char* text = nullptr;
    switch (status) {
        case TileStatus::CannotWrite:
            text = kCannotWrite;
            break;
        case TileStatus::CannotRead:
            text = kCannotRead;
            break;
        case TileStatus::TextRefused:
            text = kTextRefused;
            break;
        case TileStatus::Ok:
        case TileStatus::NotFound:
            return;
    }
    platform::MessageBox(text, {}, platform::MbIcon::Information);
}

}  // namespace trevalo
