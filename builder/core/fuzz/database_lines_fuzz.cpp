// Any bytes as a database file read by the builder: each record comes back with one
// line feed at its end and none inside, and written and read again gives the same lines;
// the counts asked before a scan replaces it are of those lines (airports each once).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_drive.h"
#include "gathrel/database_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::WriteDriveFile("Quillet/Navaids.nav", bytes);
    fuzz::WriteDriveFile("Quillet/Airport.nav", bytes);
    std::vector<std::string> lines;
    if (!gathrel::ReadDatabaseLines(path, lines)) std::abort();
    for (const std::string& line : lines) {
        if (line.empty() || line.back() != '\n' || line.find('\n') != line.size() - 1) std::abort();
    }
    const std::string again = fuzz::WriteDriveFile("Quillet/Again.nav", gathrel::DatabaseFileBytes(lines, 0));
    std::vector<std::string> reread;
    if (!gathrel::ReadDatabaseLines(again, reread) || reread != lines) std::abort();
    const gathrel::DatabaseCounts counts = gathrel::CountDatabaseRecords(gathrel::DatabasePathsIn("C:\\Quillet\\"));
    if (counts.navaids != lines.size() || counts.airports > lines.size() || (counts.airports == 0) != lines.empty()) {
        std::abort();
    }
    return 0;
}
