#include "database_files.h"

#include "platform/files.h"

namespace demodata {

namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

std::string DatabaseBytes(const std::vector<std::string>& records, size_t width) {
    std::string count = std::to_string(records.size());
    count.resize(width, ' ');
    std::string bytes = count + kLineEnd;
    bytes.reserve(bytes.size() + records.size() * (width + 2));
    for (const std::string& record : records) bytes += record + kLineEnd;
    return bytes;
}

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
