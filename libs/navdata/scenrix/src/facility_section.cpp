#include "facility_section.h"

#include <algorithm>

#include "airport_facility.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

// An airport item's data: its name up to a zero byte, then its records.
void ReadAirportItem(const SceneryBytes& item, AirportTexts& common, SceneryScan& scan) {
    common.name = item.Text(0, item.size());
    const std::uint8_t* end = item.data() + item.size();
    const std::uint8_t* zero = std::find(item.data(), end, 0);
    if (zero == end) {
        return;
    }
    const std::size_t records = static_cast<std::size_t>(zero - item.data()) + 1;
    ParseAirportFacility(item.Slice(records, item.size() - records), common, scan);
}

// Reads the items of one block; false when an item's stored length is below its own
// header, which ends the section.
bool ReadItems(const SceneryBytes& block, AirportTexts& common, SceneryScan& scan) {
    const std::uint32_t count = block.U32(layout::kFacilityItemCountField);
    std::size_t position = layout::kFacilityBlockHeaderLength;
    for (std::uint32_t i = 0; i < count && block.Holds(position, layout::kItemHeaderLength); ++i) {
        const std::size_t length =
            std::size_t{block.U32(position + layout::kItemLengthField)} + layout::kItemLengthExtra;
        if (length < layout::kItemHeaderLength) {
            return false;
        }
        const SceneryBytes item = block.Slice(position, length);
        const std::uint32_t type = item.U32(layout::kItemTypeField);
        // The data lies inside the item, whatever size it claims.
        const SceneryBytes data = item.Slice(layout::kItemHeaderLength, item.U32(layout::kItemDataSizeField));
        switch (type) {
            case layout::kCountryItem:
            case layout::kRegionItem:
                common.country = data.Text(0, data.size());
                break;
            case layout::kCityItem:
                common.city = data.Text(0, data.size());
                break;
            case layout::kAirportItem:
                ReadAirportItem(data, common, scan);
                break;
            default:
                break;
        }
        position += length;
    }
    return true;
}

}  // namespace

// A block's stored length covers what follows its first 16 bytes, so a block spans
// length + 16 bytes and its items lie inside that span; a length that leaves no room
// for the block's own 24-byte header ends the section.
void ReadFacilitySection(const SceneryBytes& data, std::size_t section, SceneryScan& scan) {
    AirportTexts common;
    std::size_t position = section;
    while (data.Holds(position, layout::kFacilityBlockHeaderLength) &&
           data.U16(position) == layout::kFacilityBlockMark) {
        const std::size_t span =
            std::size_t{data.U32(position + layout::kFacilityBlockLengthField)} + layout::kFacilityBlockExtra;
        if (span < layout::kFacilityBlockHeaderLength || !ReadItems(data.Slice(position, span), common, scan)) {
            return;
        }
        position += span;
    }
}

}  // namespace scenrix::detail
