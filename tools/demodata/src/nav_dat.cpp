#include "nav_dat.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "platform/numbers.h"
#include "single_byte_text.h"

namespace demodata {

namespace {

// Fields before the name: row code, latitude, longitude, elevation, frequency, range,
// value, ident, and for the parts of an ILS the airport and the runway.
constexpr std::size_t kNavaidFields = 8;
constexpr std::size_t kIlsPartFields = 10;
constexpr int kEndRow = 99;
constexpr std::string_view kOriginLines[] = {"I", "A"};
constexpr std::string_view kVersionWord = "Version";

constexpr NavDatRow kRows[] = {
    NavDatRow::Ndb,        NavDatRow::Vor,         NavDatRow::IlsLocalizer, NavDatRow::LocalizerAlone,
    NavDatRow::GlideSlope, NavDatRow::OuterMarker, NavDatRow::MiddleMarker, NavDatRow::InnerMarker,
    NavDatRow::DmeOfIls,   NavDatRow::Dme};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A line's fields as views into it, and where the rest after field n starts.
class Fields {
public:
    explicit Fields(std::string_view line) : line_(line) {
        for (std::size_t i = 0; i < line.size();) {
            while (i < line.size() && IsBlank(line[i])) ++i;
            const std::size_t start = i;
            while (i < line.size() && !IsBlank(line[i])) ++i;
            if (i > start) fields_.push_back(line.substr(start, i - start));
        }
    }
    std::size_t size() const { return fields_.size(); }
    std::string_view operator[](std::size_t i) const { return fields_[i]; }
    // The text after the first n fields, without blanks around it.
    std::string_view RestAfter(std::size_t n) const {
        if (n >= fields_.size()) return {};
        const std::size_t start = static_cast<std::size_t>(fields_[n].data() - line_.data());
        std::string_view rest = line_.substr(start);
        while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
        return rest;
    }

private:
    std::string_view line_;
    std::vector<std::string_view> fields_;
};

std::optional<NavDatRow> RowOf(int code) {
    const auto found = std::find(std::begin(kRows), std::end(kRows), static_cast<NavDatRow>(code));
    return found == std::end(kRows) ? std::nullopt : std::optional(*found);
}

bool IsIlsPart(NavDatRow row) { return row >= NavDatRow::IlsLocalizer && row <= NavDatRow::InnerMarker; }

bool IsFileLine(const Fields& fields) {
    if (fields.size() == 1 &&
        std::find(std::begin(kOriginLines), std::end(kOriginLines), fields[0]) != std::end(kOriginLines))
        return true;
    if (fields.size() == 1 && platform::ParseInt(fields[0]) == kEndRow) return true;
    return fields.size() > 1 && platform::ParseInt(fields[0]) && fields[1] == kVersionWord;
}

// The numbers of a record; false when one is no number or the position is off the globe.
bool ReadNumbers(const Fields& fields, NavDatRecord& record) {
    const auto latitude = platform::ParseDouble(fields[1]);
    const auto longitude = platform::ParseDouble(fields[2]);
    const auto elevation = platform::ParseInt(fields[3]);
    const auto frequency = platform::ParseInt(fields[4]);
    const auto range = platform::ParseInt(fields[5]);
    const auto value = platform::ParseDouble(fields[6]);
    if (!latitude || !longitude || !elevation || !frequency || !range || !value) return false;
    if (std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0) return false;
    record.latitude = *latitude;
    record.longitude = *longitude;
    record.elevationFeet = *elevation;
    record.frequency = *frequency;
    record.rangeNm = *range;
    record.value = *value;
    return true;
}

// The record of one line, or nullopt with the reason counted.
std::optional<NavDatRecord> ReadLine(std::string_view line, NavDatSkipped& skipped) {
    const Fields fields(line);
    if (fields.size() == 0) return std::nullopt;
    if (IsFileLine(fields)) {
        ++skipped.fileLines;
        return std::nullopt;
    }
    const std::optional<int> code = platform::ParseInt(fields[0]);
    if (!code) {
        ++skipped.badNumbers;
        return std::nullopt;
    }
    const std::optional<NavDatRow> row = RowOf(*code);
    if (!row) {
        ++skipped.unknownRows;
        return std::nullopt;
    }
    const std::size_t named = IsIlsPart(*row) ? kIlsPartFields : kNavaidFields;
    if (fields.size() < named) {
        ++skipped.shortLines;
        return std::nullopt;
    }
    NavDatRecord record;
    record.row = *row;
    if (!ReadNumbers(fields, record)) {
        ++skipped.badNumbers;
        return std::nullopt;
    }
    record.ident = Utf8Text(fields[kNavaidFields - 1]);
    if (IsIlsPart(*row)) {
        record.airport = Utf8Text(fields[kNavaidFields]);
        record.runway = Utf8Text(fields[kNavaidFields + 1]);
    }
    record.name = Utf8Text(fields.RestAfter(named));
    return record;
}

}  // namespace

NavDatFile ReadNavDat(std::string_view text) {
    NavDatFile file;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        if (auto record = ReadLine(text.substr(0, end), file.skipped)) file.records.push_back(std::move(*record));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return file;
}

}  // namespace demodata
