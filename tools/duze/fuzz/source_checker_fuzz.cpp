// Any bytes as an adventure source, read as the stand-in compiler reads it and checked:
// every error names a line of the source, in line order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "duze/source_checker.h"
#include "fuzz_drive.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        fuzz::WriteDriveFile("Adventure/Build.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    if (!platform::ReadLines(path, lines)) std::abort();
    int previous = 1;
    for (const duze::SourceError& error : duze::CheckSource(lines)) {
        if (error.line < previous || error.line > static_cast<int>(lines.size()) || error.message.empty()) std::abort();
        previous = error.line;
    }
    return 0;
}
