// Feeds arbitrary text to the colon field splitter, fileval and the angle-text
// readers and writers; aborts when a result breaks its bounds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "navdata/angle_text.h"
#include "scenrix/angle_text.h"
#include "scenrix/colon_fields.h"
#include "scenrix/fileval.h"

namespace {

// Every field n up to one past the number of colons, plus out-of-range n.
constexpr int kExtraFields = 2;
constexpr int kOddFieldNumbers[] = {-1, -1000, 1 << 30};
constexpr std::size_t kSmallOutSizes[] = {0, 1, 2, 7};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void SplitEveryField(const char* line) {
    const std::string_view text(line);
    int colons = 0;
    for (char c : text) {
        colons += c == ':';
    }
    char out[scenrix::kColonFieldCapacity];
    const auto check = [&](int n) {
        GetStrAfterNColon(n, line, out);
        const std::size_t length = std::strlen(out);
        Require(length < sizeof out);
        Require(length == 0 || text.find(std::string_view(out, length)) != std::string_view::npos);
        for (std::size_t size : kSmallOutSizes) {
            char small[8];
            std::memset(small, '#', sizeof small);
            GetStrAfterNColon(n, line, small, size);
            Require(size == 0 || std::strlen(small) < size);
            for (std::size_t i = size; i < sizeof small; ++i) {
                Require(small[i] == '#');
            }
        }
    };
    for (int n = 0; n <= colons + kExtraFields; ++n) {
        check(n);
    }
    for (int n : kOddFieldNumbers) {
        check(n);
    }
}

void FillAndCopy(const char* line) {
    fileval leg;
    leg._Setid("ID");
    leg.FillFileval(line);
    Require(*line == '\0' ? leg.GetLine() == nullptr : std::strcmp(leg.GetLine(), line) == 0);
    leg.FillFileval(leg.GetLine());

    fileval assigned;
    assigned._Setid(line);
    assigned = leg;
    const fileval copied(assigned);
    Require((copied.GetLine() == nullptr) == (leg.GetLine() == nullptr));
    if (copied.GetLine() != nullptr) {
        Require(copied.GetLine() != leg.GetLine());
        Require(std::strcmp(copied.GetLine(), leg.GetLine()) == 0);
        Require(std::strcmp(copied._Getword(), leg._Getword()) == 0);
    }
    const fileval& self = assigned;
    assigned = self;
    Require((assigned.GetLine() == nullptr) == (leg.GetLine() == nullptr));
}

void ReadAngles(const char* text) {
    (void)AngleTextToDegrees(text);
    (void)GetDecimalMinutesFromAngle(text);
    (void)GetDegreeFromAngle(text);
    (void)GetMinuteFromAngle(text);
    (void)GetSecondsFromAngle(text);
    (void)GetTenthOfSecondsFromAngle(text);
}

void WriteAngles(const uint8_t* data, std::size_t size) {
    double degrees = 0.0;
    if (size < sizeof degrees) {
        return;
    }
    std::memcpy(&degrees, data, sizeof degrees);
    for (const std::string& text : {LatitudeToAngleText(degrees), LongitudeToAngleText(degrees)}) {
        Require(text.find('*') != std::string::npos && text.find('\'') != std::string::npos);
        ReadAngles(text.c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // The readers take terminated text: the input up to its first zero byte.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const char* text = input.c_str();
    SplitEveryField(text);
    FillAndCopy(text);
    ReadAngles(text);
    WriteAngles(data, size);
    return 0;
}
