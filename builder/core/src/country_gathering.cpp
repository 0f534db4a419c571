#include "country_gathering.h"

#include <cstring>
#include <utility>

#include "aerodrex/airport_getters.h"
#include "aerodrex/airport_line_layout.h"
#include "gathrel/line_sort.h"
#include "navdata/line_widths.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr navdata::FieldLayout kCountry = aerodrex::airport_line::kCountry;

}  // namespace

void CountriesInOrder::Add(std::string_view line) {
    if (line.size() < navdata::kAirportLineWidth) return;
    const std::string_view field = line.substr(kCountry.column, kCountry.width);
    if (field == previous_) return;
    previous_ = field;
    if (!fields_.insert(field).second) return;
    // The getter wants the whole 335-character line, without its line feed.
    char text[navdata::kAirportLineWidth + 1];
    std::memcpy(text, line.data(), navdata::kAirportLineWidth);
    text[navdata::kAirportLineWidth] = '\0';
    char country[kCountry.size()] = {};
    GetAirportCountry(country, text);
    std::string name = platform::Trimmed(country);
    if (seen_.insert(name).second) countries_.push_back(std::move(name));
}

void CountryGathering::Add(const std::vector<std::string>& lines, std::size_t from) {
    std::vector<std::string_view> texts;
    texts.reserve(lines.size() - from);
    for (std::size_t i = from; i < lines.size(); ++i) {
        // A shorter line holds no country, and its text may move with the vector.
        if (lines[i].size() >= navdata::kAirportLineWidth) texts.emplace_back(lines[i]);
    }
    if (!texts.empty()) worker_.Add(std::move(texts));
}

std::vector<std::string> CountryGathering::Countries() {
    if (std::exception_ptr failure = worker_.Close()) std::rethrow_exception(failure);
    std::vector<std::string> countries = found_.Take();
    SortLinesByKey(countries);
    return countries;
}

}  // namespace gathrel
