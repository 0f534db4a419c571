#include "facility_section.h"

#include <algorithm>

#include "airport_facility.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

// An airport item's data: its name up to a zero byte, then its records.
void ReadAirportItem(const SceneryBytes& item, AirportTexts& common, SceneryScan& scan) {
    item.Text(0, item.size(), common.name);
    const std::uint8_t* end = item.data() + item.size();
    const std::uint8_t* zero = std::find(item.data(), end, 0);
    if (zero == end) {
        return;
    }
    const std::size_t records = static_cast<std::size_t>(zero - item.data()) + 1;
    ParseAirportFacility(item.Slice(records, item.size() - records), common, scan);
}

// Lists the airport items of one block; false when an item's stored length is below
// its own header, which ends the section. place: the country and city items so far.
bool ListItems(const SceneryBytes& block, FacilityAirports::Item& place, FacilityAirports& airports) {
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
                place.country = data;
                break;
            case layout::kCityItem:
                place.city = data;
                break;
            case layout::kAirportItem:
                airports.items.push_back({data, place.country, place.city});
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
FacilityAirports ListFacilityAirports(const SceneryBytes& data, std::size_t section) {
    FacilityAirports airports;
    FacilityAirports::Item place;
    std::size_t position = section;
    while (data.Holds(position, layout::kFacilityBlockHeaderLength) &&
           data.U16(position) == layout::kFacilityBlockMark) {
        const std::size_t span =
            std::size_t{data.U32(position + layout::kFacilityBlockLengthField)} + layout::kFacilityBlockExtra;
        if (span < layout::kFacilityBlockHeaderLength || !ListItems(data.Slice(position, span), place, airports)) {
            break;
        }
        position += span;
    }
    return airports;
}

// Every airport item names itself, so only the country and city carry from one item to
// the next; their texts are taken when they change.
void ReadFacilityAirports(const FacilityAirports& airports, std::size_t begin, std::size_t end, SceneryScan& scan) {
    AirportTexts common;
    const FacilityAirports::Item* last = nullptr;
    const auto take = [](const SceneryBytes& now, const SceneryBytes* before, std::string& text) {
        if (before == nullptr || now.data() != before->data() || now.size() != before->size()) {
            now.Text(0, now.size(), text);
        }
    };
    for (std::size_t i = begin; i < end; ++i) {
        const FacilityAirports::Item& item = airports.items[i];
        take(item.country, last ? &last->country : nullptr, common.country);
        take(item.city, last ? &last->city : nullptr, common.city);
        last = &item;
        ReadAirportItem(item.data, common, scan);
    }
}

void ReadFacilitySection(const SceneryBytes& data, std::size_t section, SceneryScan& scan) {
    const FacilityAirports airports = ListFacilityAirports(data, section);
    ReadFacilityAirports(airports, 0, airports.items.size(), scan);
}

}  // namespace scenrix::detail
