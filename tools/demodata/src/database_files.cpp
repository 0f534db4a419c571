#include "database_files.h"

#include "platform/files.h"

namespace demodata {

namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

std::string CountryBytes(const std::vector<std::string>& countries) {
    std::string bytes = std::to_string(countries.size()) + kLineEnd;
    for (const std::string& country : countries) bytes += country + "\t1" + kLineEnd;
    return bytes;
}

// A planner may be loading the older file: it is replaced whole, never rewritten in place.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    return platform::ReplaceHostFileBytes(path, bytes);
}

}  // namespace demodata
