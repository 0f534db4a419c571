// Feeds arbitrary text to the angle-text readers and writes back what they read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "map/angle_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double hemisphere = trevalo::ParseLatLonText(text);
    const double colon = trevalo::ParseColonAngle(text);
    trevalo::FormatLatLon(hemisphere, true);
    trevalo::FormatLatLon(colon, false);
    return 0;
}
