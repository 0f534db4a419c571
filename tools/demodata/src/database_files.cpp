#include "database_files.h"

#include <fstream>

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

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace demodata
