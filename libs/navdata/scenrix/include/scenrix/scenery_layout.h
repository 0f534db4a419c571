// Byte layout of the simulator's scenery files (.bgl), shared by the scenery reader and
// the stand-in installation that writes them: header fields, the navaid and facility
// sections, the compression header, and the check value kept over inflated data.
// All numbers are little-endian; offsets count from the start of the structure named.
#pragma once

#include <cstddef>
#include <cstdint>

namespace scenrix::scenery {

// File header.
inline constexpr std::size_t kVorSectionField = 0x12;      // 4 bytes, 0: none
inline constexpr std::size_t kLowestChannelField = 0x16;   // 2 bytes
inline constexpr std::size_t kHighestChannelField = 0x18;  // 2 bytes
inline constexpr std::size_t kNdbSectionField = 0x4E;      // 4 bytes, 0: none
inline constexpr std::size_t kExtendedMarkField = 0x76;
inline constexpr std::uint32_t kExtendedMark = 0x87654321;
// Holds the compressed stream's length in a compressed file; 0 in the inflated copy.
inline constexpr std::size_t kCompressedLengthField = 0x7A;
inline constexpr std::size_t kFacilitySectionField = 0x9C;  // extended header only
// Nonzero in any of these marks an extended-header file as plain.
inline constexpr std::size_t kPlainMarkFields[] = {0x36, 0x9C, 0xA0, 0xA4};
inline constexpr std::size_t kBasicHeaderLength = 128;
inline constexpr std::size_t kExtendedHeaderLength = 168;

// Compression header, right after the file header.
inline constexpr std::uint32_t kCompressionMark = 0xABCDEF01;
inline constexpr std::size_t kCompressionHeaderLength = 20;
inline constexpr std::size_t kInflatedSizeField = 4;
inline constexpr std::size_t kCheckValueField = 8;

// Navaid sections: runs of 9-byte blocks, each pointing (offset from the section start)
// at a run of records of one kind byte each; a run ends at the first other byte.
inline constexpr std::uint8_t kBlockMark = 21;
inline constexpr std::size_t kBlockLength = 9;
inline constexpr std::size_t kBlockRecordsField = 5;

inline constexpr std::uint8_t kNdbKind = 4;
inline constexpr std::size_t kNdbRecordLength = 42;
inline constexpr std::size_t kNdbFrequencyField = 1;   // bytes 1 to 3
inline constexpr std::size_t kNdbLatitudeField = 4;    // 3 bytes
inline constexpr std::size_t kNdbLongitudeField = 7;   // 3 bytes
inline constexpr std::size_t kNdbElevationField = 10;  // signed 16-bit metres
inline constexpr std::size_t kNdbIdentField = 13;
inline constexpr std::size_t kNdbNameField = 18;

// VOR/ILS section: one 5-byte entry per channel (mark 1, offset of a block run).
inline constexpr std::size_t kChannelEntryLength = 5;
inline constexpr std::uint8_t kChannelEntryMark = 1;
inline constexpr std::size_t kChannelEntryOffsetField = 1;
inline constexpr double kLowestVorMhz = 108.0;
inline constexpr double kMhzPerChannel = 0.05;

inline constexpr std::uint8_t kVorKind = 4;
inline constexpr std::uint8_t kIlsKind = 5;
inline constexpr std::uint8_t kIlsLongKind = 6;
inline constexpr std::size_t kVorRecordLength = 44;
inline constexpr std::size_t kIlsRecordLength = 54;
inline constexpr std::size_t kIlsLongRecordLength = 57;
inline constexpr std::size_t kVorLatitudeField = 5;
inline constexpr std::size_t kVorLongitudeField = 8;
inline constexpr std::size_t kVorElevationField = 11;
inline constexpr std::size_t kVorIdentField = 15;
inline constexpr std::size_t kVorNameField = 20;
inline constexpr std::size_t kIlsLatitudeField = 44;  // the beam's own position
inline constexpr std::size_t kIlsLongitudeField = 47;

inline constexpr std::size_t kIdentLength = 5;
inline constexpr std::size_t kNameLength = 24;

// Facility section: blocks of items.
inline constexpr std::uint16_t kFacilityBlockMark = 1;
inline constexpr std::size_t kFacilityBlockLengthField = 4;  // next block: length + 16
inline constexpr std::size_t kFacilityBlockExtra = 16;
inline constexpr std::size_t kFacilityItemCountField = 20;
inline constexpr std::size_t kFacilityBlockHeaderLength = 24;
inline constexpr std::size_t kItemLengthField = 4;  // item length less 8
inline constexpr std::size_t kItemLengthExtra = 8;
inline constexpr std::size_t kItemTypeField = 8;
inline constexpr std::size_t kItemDataSizeField = 12;
inline constexpr std::size_t kItemHeaderLength = 16;

inline constexpr std::uint32_t kCountryItem = 0x20001;
inline constexpr std::uint32_t kRegionItem = 0x30001;  // also read as the country
inline constexpr std::uint32_t kCityItem = 0x40001;
// Data: the airport name, a zero byte, then the airport's records.
inline constexpr std::uint32_t kAirportItem = 0x50001;

// Airport records: type (4 bytes), whole record length header included (4 bytes), data.
inline constexpr std::size_t kRecordTypeField = 0;
inline constexpr std::size_t kRecordLengthField = 4;
inline constexpr std::size_t kRecordHeaderLength = 8;

inline constexpr std::uint32_t kEndRecord = 0;
inline constexpr std::uint32_t kPositionRecord = 0x10001;
inline constexpr std::uint32_t kRunwayRecord = 0x10002;
inline constexpr std::uint32_t kTowerPositionRecord = 0x10003;
inline constexpr std::uint32_t kIlsRecord = 0x10004;
inline constexpr std::uint32_t kRunwayEndRecord = 0x10005;
inline constexpr std::uint32_t kIdentRecord = 0x10006;
inline constexpr std::uint32_t kCommunicationRecord = 0x20001;

inline constexpr std::size_t kRecordLatitudeField = 10;   // 6 bytes
inline constexpr std::size_t kRecordLongitudeField = 18;  // 6 bytes
inline constexpr std::size_t kRecordHeadingField = 32;    // 16.16 angle
inline constexpr std::size_t kIdentTextField = 8;

inline constexpr std::size_t kRunwayElevationField = 26;  // 16-bit fraction, 32-bit metres
inline constexpr std::size_t kRunwayVariationField = 36;  // 16.16 angle
inline constexpr std::size_t kRunwayLengthField = 40;
inline constexpr std::size_t kRunwayDesignatorField = 48;
inline constexpr std::size_t kRunwaySurfaceField = 56;
inline constexpr std::size_t kRunwayNoVariationField = 60;  // 0: the side field holds it
inline constexpr std::size_t kRunwayRecordLength = 64;

inline constexpr std::size_t kCommunicationFrequencyField = 8;
inline constexpr std::size_t kCommunicationKindField = 12;
inline constexpr std::size_t kCommunicationRecordLength = 16;
inline constexpr std::uint32_t kAtisKind = 1;
inline constexpr std::uint32_t kAtisOverrideKind = 6;

inline constexpr std::size_t kIlsFrequencyField = 36;
inline constexpr std::size_t kIlsKindField = 40;
inline constexpr std::size_t kIlsIdentField = 56;  // text to the record's end
inline constexpr std::size_t kIlsRecordMinLength = 56;

inline constexpr std::size_t kRunwayEndRecordLength = 36;

// Position and angle units.
inline constexpr double kLatitude24Scale = 180.0 / 10001750.0;   // 3-byte latitude
inline constexpr double kLongitude24Scale = 360.0 / 16777216.0;  // 3-byte longitude
inline constexpr double kFacilityLatitudeScale = 90.0 / 10001750.0;
inline constexpr double kFacilityLongitudeScale = 360.0 / 16777216.0;
inline constexpr double kAngleScale = 360.0 / 65536.0;  // 16.16 angles: whole part
inline constexpr double kFractionScale = 65536.0;       // 16-bit fraction of a whole unit
inline constexpr double kFeetPerMetre = 3.280839895013123;

// Check value over the inflated data (the bytes after the header): 32-bit FNV-1a. A
// stored value of 0 is never checked.
inline std::uint32_t CheckValue(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 16777619u;
    }
    return hash;
}

}  // namespace scenrix::scenery
