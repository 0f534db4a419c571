// The countries of the airport lines a scan adds, gathered on a thread of their own while
// the scan goes on, so that little is left to do once the last file is added.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/ordered_worker.h"

namespace gathrel {

// The trimmed countries of airport lines in the order they first appear; the getter and
// the trimming run once for each country field's text.
class CountriesInOrder {
public:
    // line: with or without its line feed; shorter lines hold no country.
    void Add(std::string_view line);
    std::vector<std::string> Take() { return std::move(countries_); }

private:
    std::vector<std::string> countries_;
    std::unordered_set<std::string> seen_;
    std::unordered_set<std::string_view> fields_;  // into the lines, which outlive the list
    std::string_view previous_;                    // the runways of one airport follow each other
};

class CountryGathering {
public:

    // Gathers the countries of lines [from, end) of lines; their texts must stay where
    // they are until Countries returns (the vector may grow meanwhile).
    void Add(const std::vector<std::string>& lines, std::size_t from);
    // Each country once, sorted as the builder lists them; throws what made the gathering fail.
    std::vector<std::string> Countries();

private:
    CountriesInOrder found_;  // by the worker's thread alone, until Countries
    // Declared after found_, so that it is done before found_ goes.
    platform::OrderedWorker<std::vector<std::string_view>> worker_{[this](std::vector<std::string_view>& lines) {
        for (std::string_view line : lines) found_.Add(line);
    }};
};

}  // namespace gathrel
