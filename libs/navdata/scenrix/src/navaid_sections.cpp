#include "navaid_sections.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "navdata/angle_text.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"
#include "scenery_units.h"
#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

// A record run reached a second time (blocks of a damaged file may point into one run)
// goes on exactly as before and yields the same lines, which are duplicates: stopping
// there changes no result and keeps a scan linear.
class VisitedRecords {
public:
    bool FirstVisit(std::size_t position) {
        if (2 * (count_ + 1) > slots_.size()) Grow();
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = Home(position, mask);; i = (i + 1) & mask) {
            if (slots_[i] == position) return false;
            if (slots_[i] == kEmpty) {
                slots_[i] = position;
                ++count_;
                return true;
            }
        }
    }

private:
    // Open addressing with linear probes: no allocation for each record.
    static constexpr std::size_t kEmpty = SIZE_MAX;  // no record starts there
    static std::size_t Home(std::size_t position, std::size_t mask) {
        return static_cast<std::size_t>((position * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    }
    void Grow() {
        std::vector<std::size_t> old(std::max<std::size_t>(64, 2 * slots_.size()), kEmpty);
        old.swap(slots_);
        count_ = 0;
        for (const std::size_t position : old) {
            if (position != kEmpty) FirstVisit(position);
        }
    }

    std::vector<std::size_t> slots_;
    std::size_t count_ = 0;
};

// Calls readRun(start of records) for each block of the run of blocks at blocks.
template <class ReadRun>
void ForEachBlock(const SceneryBytes& data, std::size_t section, std::size_t blocks, ReadRun readRun) {
    for (std::size_t block = blocks; data.Holds(block, layout::kBlockLength) && data.U8(block) == layout::kBlockMark;
         block += layout::kBlockLength) {
        readRun(section + data.U32(block + layout::kBlockRecordsField));
    }
}

void AddNavaidLine(const navdata::NavaidLineValues& values, SceneryScan& scan) {
    std::string line = scan.NavaidLineStorage();
    navdata::ComposeNavaidLine(values, line);
    scan.AddNavaidLine(std::move(line));
}

int WholeFeet(double feet) {
    // The elevation is kept as a 16-bit whole number.
    return static_cast<std::int16_t>(platform::SaturatingInt(feet));
}

void AddNdb(const SceneryBytes& data, std::size_t record, SceneryScan& scan) {
    navdata::NavaidLineValues ndb;
    ndb.frequency = NdbFrequency(data, record);
    ndb.elevationFeet = WholeFeet(ElevationFeet(data, record + layout::kNdbElevationField));
    ndb.type = ndb.frequency == 0.0 && ndb.elevationFeet == 0 ? "GPS" : "NDB";
    ndb.ident = data.Text(record + layout::kNdbIdentField, layout::kIdentLength);
    ndb.latitude = LatitudeToAngleText(Latitude24(data, record + layout::kNdbLatitudeField));
    ndb.longitude = LongitudeToAngleText(Longitude24(data, record + layout::kNdbLongitudeField));
    ndb.name = data.Text(record + layout::kNdbNameField, layout::kNameLength);
    AddNavaidLine(ndb, scan);
}

std::size_t VorRecordLength(std::uint8_t kind) {
    switch (kind) {
        case layout::kVorKind:
            return layout::kVorRecordLength;
        case layout::kIlsKind:
            return layout::kIlsRecordLength;
        case layout::kIlsLongKind:
            return layout::kIlsLongRecordLength;
        default:
            return 0;
    }
}

void AddVor(const SceneryBytes& data, std::size_t record, std::uint8_t kind, double frequency, SceneryScan& scan) {
    const bool isIls = kind != layout::kVorKind;
    navdata::NavaidLineValues vor;
    vor.type = isIls ? "ILS" : "VOR";
    vor.ident = data.Text(record + layout::kVorIdentField, layout::kIdentLength);
    vor.frequency = frequency;
    vor.latitude =
        LatitudeToAngleText(Latitude24(data, record + (isIls ? layout::kIlsLatitudeField : layout::kVorLatitudeField)));
    vor.longitude = LongitudeToAngleText(
        Longitude24(data, record + (isIls ? layout::kIlsLongitudeField : layout::kVorLongitudeField)));
    vor.elevationFeet = WholeFeet(ElevationFeet(data, record + layout::kVorElevationField));
    vor.name = data.Text(record + layout::kVorNameField, layout::kNameLength);
    AddNavaidLine(vor, scan);
}

}  // namespace

void ReadNdbSection(const SceneryBytes& data, std::size_t section, SceneryScan& scan) {
    VisitedRecords visited;
    ForEachBlock(data, section, section, [&](std::size_t record) {
        for (; data.Holds(record, layout::kNdbRecordLength) && data.U8(record) == layout::kNdbKind &&
               visited.FirstVisit(record);
             record += layout::kNdbRecordLength) {
            AddNdb(data, record, scan);
        }
    });
}

void ReadVorSection(const SceneryBytes& data, std::size_t section, std::uint16_t lowestChannel,
                    std::uint16_t highestChannel, SceneryScan& scan) {
    std::size_t entry = section;
    for (unsigned channel = lowestChannel; channel <= highestChannel; ++channel, entry += layout::kChannelEntryLength) {
        if (!data.Holds(entry, layout::kChannelEntryLength)) {
            return;
        }
        const std::uint32_t blocks = data.U32(entry + layout::kChannelEntryOffsetField);
        if (data.U8(entry) != layout::kChannelEntryMark || blocks == 0) {
            continue;
        }
        // The frequency belongs to the channel, so runs count as visited per channel.
        const double frequency = layout::kLowestVorMhz + layout::kMhzPerChannel * channel;
        VisitedRecords visited;
        ForEachBlock(data, section, section + blocks, [&](std::size_t record) {
            for (;;) {
                const std::uint8_t kind = data.U8(record);
                const std::size_t length = VorRecordLength(kind);
                if (length == 0 || !data.Holds(record, length) || !visited.FirstVisit(record)) {
                    break;
                }
                AddVor(data, record, kind, frequency, scan);
                record += length;
            }
        });
    }
}

}  // namespace scenrix::detail
