#include "fsinstall/scenery_writer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <stdexcept>

#include "byte_writer.h"
#include "fsinstall/jm_encoder.h"
#include "scenery_units.h"
#include "scenrix/scenery_layout.h"

namespace fsinstall {

namespace layout = scenrix::scenery;
using detail::ByteWriter;

namespace {

// Records per block of a navaid run, so that files hold several blocks.
constexpr std::size_t kRecordsPerBlock = 64;
constexpr std::uint8_t kRunEnd = 0;
constexpr std::uint32_t kEndRecordLength = layout::kRecordHeaderLength;

void PutNdbRecord(ByteWriter& out, const Ndb& ndb) {
    out.U8(layout::kNdbKind);
    detail::PutNdbFrequency(out, ndb.kilohertz);
    detail::PutLatitude24(out, ndb.latitude);
    detail::PutLongitude24(out, ndb.longitude);
    detail::PutElevation(out, ndb.elevationMetres);
    out.U8(0);
    out.FixedText(ndb.ident, layout::kIdentLength);
    out.FixedText(ndb.name, layout::kNameLength);
}

void PutVorRecord(ByteWriter& out, const Vor& vor) {
    const std::size_t start = out.size();
    out.U8(static_cast<std::uint8_t>(vor.kind));
    out.Zeros(4);
    detail::PutLatitude24(out, vor.latitude);
    detail::PutLongitude24(out, vor.longitude);
    detail::PutElevation(out, vor.elevationMetres);
    out.Zeros(2);
    out.FixedText(vor.ident, layout::kIdentLength);
    out.FixedText(vor.name, layout::kNameLength);
    if (vor.kind == VorKind::Vor) {
        return;
    }
    detail::PutLatitude24(out, vor.latitude);
    detail::PutLongitude24(out, vor.longitude);
    const std::size_t length = vor.kind == VorKind::Ils ? layout::kIlsRecordLength : layout::kIlsLongRecordLength;
    out.Zeros(length - (out.size() - start));
}

// Blocks of kRecordsPerBlock records at blocksAt, each run closed by a byte 0; offsets
// count from the section's start.
template <class Record, class PutRecord>
void PutBlockRuns(ByteWriter& out, std::size_t section, const std::vector<const Record*>& records,
                  PutRecord putRecord) {
    const std::size_t blocks = (records.size() + kRecordsPerBlock - 1) / kRecordsPerBlock;
    const std::size_t blocksAt = out.size();
    out.Zeros(blocks * layout::kBlockLength);
    out.U8(kRunEnd);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t block = blocksAt + b * layout::kBlockLength;
        out.bytes()[block] = layout::kBlockMark;
        out.PutU32(block + layout::kBlockRecordsField, static_cast<std::uint32_t>(out.size() - section));
        const std::size_t last = std::min(records.size(), (b + 1) * kRecordsPerBlock);
        for (std::size_t r = b * kRecordsPerBlock; r < last; ++r) {
            putRecord(out, *records[r]);
        }
        out.U8(kRunEnd);
    }
}

std::size_t PutNdbSection(ByteWriter& out, const std::vector<Ndb>& ndbs) {
    const std::size_t section = out.size();
    std::vector<const Ndb*> records;
    for (const Ndb& ndb : ndbs) records.push_back(&ndb);
    PutBlockRuns(out, section, records, PutNdbRecord);
    return section;
}

struct ChannelRange {
    std::uint16_t lowest = 0;
    std::uint16_t highest = 0;
};

std::size_t PutVorSection(ByteWriter& out, const std::vector<Vor>& vors, ChannelRange& range) {
    std::map<int, std::vector<const Vor*>> byChannel;
    for (const Vor& vor : vors) byChannel[vor.channel].push_back(&vor);
    range.lowest = static_cast<std::uint16_t>(byChannel.begin()->first);
    range.highest = static_cast<std::uint16_t>(byChannel.rbegin()->first);
    const std::size_t section = out.size();
    out.Zeros((range.highest - range.lowest + 1u) * layout::kChannelEntryLength);
    for (const auto& [channel, records] : byChannel) {
        const std::size_t entry = section + (channel - range.lowest) * layout::kChannelEntryLength;
        out.bytes()[entry] = layout::kChannelEntryMark;
        out.PutU32(entry + layout::kChannelEntryOffsetField, static_cast<std::uint32_t>(out.size() - section));
        PutBlockRuns(out, section, records, PutVorRecord);
    }
    return section;
}

// An airport record: type, whole length (patched once the data is written), data.
class RecordWriter {
public:
    RecordWriter(ByteWriter& out, std::uint32_t type) : out_(out), start_(out.size()) {
        out.U32(type);
        out.U32(0);
    }
    ~RecordWriter() {
        out_.PutU32(start_ + layout::kRecordLengthField, static_cast<std::uint32_t>(out_.size() - start_));
    }

private:
    ByteWriter& out_;
    std::size_t start_;
};

// Latitude at 10, longitude at 18 (each after two unused bytes).
void PutRecordPosition(ByteWriter& out, double latitude, double longitude) {
    out.Zeros(2);
    detail::PutFacilityLatitude(out, latitude);
    out.Zeros(2);
    detail::PutFacilityLongitude(out, longitude);
}

void PutRunwayEnd(ByteWriter& out, const RunwayEnd& end) {
    RecordWriter record(out, layout::kRunwayEndRecord);
    PutRecordPosition(out, end.latitude, end.longitude);
    out.Zeros(8);
    detail::PutAngle(out, end.heading);
}

void PutRunway(ByteWriter& out, const Runway& runway) {
    {
        RecordWriter record(out, layout::kRunwayRecord);
        PutRecordPosition(out, runway.latitude, runway.longitude);
        out.Zeros(2);
        const double whole = std::floor(runway.elevationMetres);
        const double fraction = std::floor((runway.elevationMetres - whole) * layout::kFractionScale);
        out.U16(static_cast<std::uint16_t>(std::min(fraction, layout::kFractionScale - 1.0)));
        out.U32(static_cast<std::uint32_t>(static_cast<std::int32_t>(whole)));
        detail::PutAngle(out, runway.heading);
        detail::PutAngle(out, runway.magneticVariation);
        out.U32(static_cast<std::uint32_t>(runway.length));
        out.Zeros(4);
        out.U32(static_cast<std::uint32_t>(runway.designator));
        out.Zeros(4);
        out.U32(static_cast<std::uint32_t>(runway.surface));
        out.U32(0);  // the side field carries the variation
    }
    for (const Ils& ils : runway.ils) {
        RecordWriter record(out, layout::kIlsRecord);
        PutRecordPosition(out, ils.latitude, ils.longitude);
        out.Zeros(8);
        detail::PutAngle(out, ils.heading);
        detail::PutPackedFrequency(out, ils.megahertz);
        out.U32(static_cast<std::uint32_t>(ils.kind));
        out.Zeros(12);
        out.Text(ils.ident);
    }
    if (runway.start) PutRunwayEnd(out, *runway.start);
    if (runway.end) PutRunwayEnd(out, *runway.end);
}

void PutAirportRecords(ByteWriter& out, const Airport& airport) {
    {
        RecordWriter record(out, layout::kIdentRecord);
        out.Text(airport.ident);
    }
    {
        RecordWriter record(out, layout::kPositionRecord);
        PutRecordPosition(out, airport.latitude, airport.longitude);
    }
    for (std::size_t i = 0; i < airport.runways.size(); ++i) {
        PutRunway(out, airport.runways[i]);
        if (i == 0 && airport.atisMegahertz != 0.0) {
            RecordWriter record(out, layout::kCommunicationRecord);
            detail::PutPackedFrequency(out, airport.atisMegahertz);
            out.U32(layout::kAtisKind);
        }
    }
    out.U32(layout::kEndRecord);
    out.U32(kEndRecordLength);
}

// An item: 4 unused bytes, its length less 8, its type, its data size, its data.
void PutItem(ByteWriter& out, std::uint32_t type, const std::string& text, const Airport* airport) {
    const std::size_t start = out.size();
    out.Zeros(4);
    out.U32(0);
    out.U32(type);
    out.U32(0);
    out.Text(text);
    if (airport != nullptr) PutAirportRecords(out, *airport);
    const std::size_t length = out.size() - start;
    out.PutU32(start + layout::kItemLengthField, static_cast<std::uint32_t>(length - layout::kItemLengthExtra));
    out.PutU32(start + layout::kItemDataSizeField, static_cast<std::uint32_t>(length - layout::kItemHeaderLength));
}

std::size_t PutFacilitySection(ByteWriter& out, const std::vector<Airport>& airports) {
    const std::size_t section = out.size();
    for (const Airport& airport : airports) {
        const std::size_t block = out.size();
        out.U16(layout::kFacilityBlockMark);
        out.Zeros(layout::kFacilityBlockHeaderLength - 2);
        out.PutU32(block + layout::kFacilityItemCountField, 3);
        PutItem(out, layout::kCountryItem, airport.country, nullptr);
        PutItem(out, layout::kCityItem, airport.city, nullptr);
        PutItem(out, layout::kAirportItem, airport.name, &airport);
        out.PutU32(block + layout::kFacilityBlockLengthField,
                   static_cast<std::uint32_t>(out.size() - block - layout::kFacilityBlockExtra));
    }
    out.U16(0);  // no further block
    return section;
}

std::vector<std::uint8_t> WritePlain(const SceneryContent& content, bool withFacilities) {
    ByteWriter out;
    out.Zeros(layout::kExtendedHeaderLength);
    out.PutU32(layout::kExtendedMarkField, layout::kExtendedMark);
    if (!content.ndbs.empty()) {
        out.PutU32(layout::kNdbSectionField, static_cast<std::uint32_t>(PutNdbSection(out, content.ndbs)));
    }
    if (!content.vors.empty()) {
        ChannelRange range;
        const std::size_t section = PutVorSection(out, content.vors, range);
        out.PutU32(layout::kVorSectionField, static_cast<std::uint32_t>(section));
        out.PutU16(layout::kLowestChannelField, range.lowest);
        out.PutU16(layout::kHighestChannelField, range.highest);
    }
    if (withFacilities && !content.airports.empty()) {
        out.PutU32(layout::kFacilitySectionField,
                   static_cast<std::uint32_t>(PutFacilitySection(out, content.airports)));
    }
    return std::move(out.bytes());
}

}  // namespace

std::vector<std::uint8_t> CompressSceneryFile(const std::vector<std::uint8_t>& plain) {
    const std::size_t header = layout::kExtendedHeaderLength;
    if (plain.size() < header) {
        throw std::invalid_argument("scenery file shorter than its header");
    }
    const std::span<const std::uint8_t> data(plain.data() + header, plain.size() - header);
    const std::vector<std::uint8_t> stream = EncodeJmBlock(data);
    ByteWriter out;
    out.bytes().assign(plain.begin(), plain.begin() + header);
    out.PutU32(layout::kCompressedLengthField, static_cast<std::uint32_t>(stream.size()));
    out.U32(layout::kCompressionMark);
    out.U32(static_cast<std::uint32_t>(data.size()));
    out.U32(layout::CheckValue(data.data(), data.size()));
    out.Zeros(8);
    out.bytes().insert(out.bytes().end(), stream.begin(), stream.end());
    return std::move(out.bytes());
}

std::vector<std::uint8_t> WriteSceneryFile(const SceneryContent& content, Compression compression) {
    if (compression == Compression::Plain) {
        return WritePlain(content, true);
    }
    return CompressSceneryFile(WritePlain(content, false));
}

}  // namespace fsinstall
