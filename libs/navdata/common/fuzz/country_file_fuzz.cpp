// Any bytes as Country.nav: what is read, written and read again gives the same
// entries, and the planner's country list finds every name read as loaded loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_drive.h"
#include "navdata/country_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDriveFile("Quillet/Country.nav", std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<navdata::CountryEntry> entries;
    if (!navdata::ReadCountryFile("C:\\Quillet\\Country.nav", entries)) std::abort();
    if (navdata::ParseCountryFile(navdata::CountryFileBytes(entries)) != entries) std::abort();
    return 0;
}
