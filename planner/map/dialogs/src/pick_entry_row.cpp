#include "pick_entry_row.h"

#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

constexpr const char* kNoIls = "---";
// After the tab: "(", kind, two digits, ",", two digits, ")".
constexpr size_t kKindAt = 2;
constexpr size_t kColumnAt = 3;
constexpr size_t kRowAt = 6;
constexpr size_t kCellDigits = 2;
constexpr size_t kNameAt = 9;

std::string Part(const std::string& text, size_t at, size_t length = std::string::npos) {
    return at < text.size() ? text.substr(at, length) : std::string();
}

}  // namespace

std::optional<PickEntryRow> SplitPickEntry(const std::string& entry) {
    const size_t close = entry.find(']');
    const size_t tab = close == std::string::npos ? std::string::npos : entry.find('\t', close);
    if (tab == std::string::npos) return std::nullopt;
    const std::string upper = platform::UpperCased(entry);
    const size_t open = upper.find('[');
    const size_t labelAt = open == std::string::npos || open > close ? 0 : open + 1;

    PickEntryRow row;
    row.label = upper.substr(labelAt, close - labelAt);
    row.ident = upper.substr(close + 1, tab - close - 1);
    row.kind = Part(upper, tab + kKindAt, 1);
    row.longitudeCell = Part(upper, tab + kColumnAt, kCellDigits);
    row.latitudeCell = Part(upper, tab + kRowAt, kCellDigits);
    const size_t parenthesis = upper.find(')', tab);
    const std::string rest = parenthesis == std::string::npos ? Part(upper, tab + kNameAt) : Part(upper, parenthesis + 1);
    const size_t secondTab = rest.find('\t');
    row.name = rest.substr(0, secondTab);
    row.ils = secondTab == std::string::npos ? kNoIls : rest.substr(secondTab + 1);
    return row;
}

}  // namespace trevalo::mapdialogs_detail
