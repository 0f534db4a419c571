// The records of a .wx file held in memory: a walk that never trusts the counts, and
// the edits of one record (layers, station, pressure) or of the record list. An edit
// changes the bytes only when it succeeds; bytes outside the edited block keep their
// values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "wx/wx_codec.h"
#include "wx/wx_layout.h"

namespace wx {

enum class WxError {
    None,
    NoFile,         // no current file, or the file does not exist
    NotAFile,       // a folder or another thing that is not a file stands at the path
    Unreadable,     // the file cannot be read
    Damaged,        // a count is negative or a record runs past the end of the file
    NoSuchRecord,   // the record number is past the last record
    NoSuchLayer,    // the layer position is out of range for the edit
    LastWindLayer,  // a record keeps at least one wind layer
    GlobalRecord,   // the global record cannot be deleted
    WriteFailed,    // the file is read-only or cannot be replaced
};

struct WxRecordSpan {
    size_t offset = 0;
    size_t size = 0;
    WxRecordHeader header;
};

struct WxWalk {
    std::vector<WxRecordSpan> records;
    WxError error = WxError::None;
    size_t damagedRecord = 0;  // number of the first record that does not fit
};

// Walks the records from offset 0 to the end; an empty file holds none.
WxWalk WalkRecords(std::span<const std::byte> bytes);

// Record n with all its layers.
WxError ReadRecord(std::span<const std::byte> bytes, size_t n, WxRecord& record);

// Replaces the layer at position of its kind in record r, or inserts it there
// (position up to the kind's count; equal to it appends behind the last layer).
WxError WriteLayer(WxBytes& bytes, size_t r, size_t position, bool insert, const WxLayer& layer);
WxError DeleteLayer(WxBytes& bytes, size_t r, WxLayerKind kind, size_t position);
// Deletes a local record (any record but the global record 0).
WxError DeleteRecord(WxBytes& bytes, size_t r);
WxError SetIcaoIndex(WxBytes& bytes, size_t r, int32_t icaoIndex);
WxError SetPressure(WxBytes& bytes, size_t r, float pressure);
// Appends the editor's new record: global with icaoIndex -1, else local.
WxError AppendRecord(WxBytes& bytes, int32_t icaoIndex);

// The record that the editor appends.
WxRecord NewRecord(int32_t icaoIndex);

}  // namespace wx
