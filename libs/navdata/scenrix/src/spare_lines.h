// The kept line storage as the reading threads draw on it: each takes a batch at a
// time and gives back what it did not use.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scenrix/line_storage.h"

namespace scenrix::detail {

class SpareLines {
public:
    explicit SpareLines(LineKind kind) : kind_(kind) {}
    ~SpareLines();
    SpareLines(SpareLines&& other) noexcept = default;
    SpareLines& operator=(SpareLines&& other) noexcept;

    // A string whose storage holds a line of this kind when any is kept, else an empty one.
    std::string Next();
    // Gives the batch's strings not used back to the kept storage.
    void GiveBack();

private:

    LineKind kind_;
    std::vector<std::string> batch_;
};

}  // namespace scenrix::detail
