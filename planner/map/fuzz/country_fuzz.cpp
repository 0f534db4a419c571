// Any bytes as Country.nav, read by the airport loader's country list: every name it
// reads as loaded is found loaded again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_drive.h"
#include "map/country_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDriveFile("Quillet/Country.nav", std::string_view(reinterpret_cast<const char*>(data), size));
    trevalo::CountryList countries("C:\\Quillet\\");
    countries.LoadCountryList();
    if (!countries.fileRead()) std::abort();
    for (const std::string& name : countries.loadedNames()) {
        if (!countries.IsCountryLoaded(name)) std::abort();
    }
    return 0;
}
