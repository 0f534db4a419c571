#include "testing/temp_environment.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace platform::testing {

TempEnvironment::TempEnvironment() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quillet-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed for " + pattern);
    root_ = pattern;
    set("QUILLET_DRIVE_C", driveC());
    set("QUILLET_DRIVE_D", driveD());
    set("QUILLET_SETTINGS_DIR", settingsDir());
    set("QUILLET_TEMP", tempDir());
}

TempEnvironment::~TempEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->value)
            ::setenv(it->name.c_str(), it->value->c_str(), 1);
        else
            ::unsetenv(it->name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void TempEnvironment::set(const std::string& name, const std::filesystem::path& folder) {
    const char* old = std::getenv(name.c_str());
    saved_.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
    std::filesystem::create_directories(folder);
    ::setenv(name.c_str(), folder.c_str(), 1);
}

std::filesystem::path TempEnvironment::writeFile(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempEnvironment::readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace platform::testing
