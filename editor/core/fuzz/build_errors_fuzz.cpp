// Any bytes as the compiler's build.err: listed as the build bar lists it and stepped
// through as F4 steps. Every step lands on a listed line that names the document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_drive.h"
#include "quillet/adventure_build.h"
#include "quillet/error_list.h"
#include "quillet/text_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string errors =
        fuzz::WriteDriveFile("Work/build.err", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string document = fuzz::WriteDriveFile("My Adv/Flight.txt", "start:\r\n");
    const quillet::BuildListing listing =
        quillet::ListBuildResults(errors, "C:\\Work\\Build.txt", "C:\\Work\\Build.adv", "Flight.txt", document);
    if (listing.lines.size() < 3 || listing.errorCount < 0) std::abort();
    const auto exists = [&](const std::string& path) { return path == document; };
    int index = 0;
    while (index < static_cast<int>(listing.lines.size())) {
        const auto step = quillet::FindError(listing.lines, index, false, document, exists);
        if (!step) break;
        if (step->listLine < index || step->location.path != document) std::abort();
        const int line = quillet::LineIndexOfNumber(step->location.lineNumber, 1);
        if (line != 0) std::abort();
        index = step->listLine + 1;
    }
    return 0;
}
