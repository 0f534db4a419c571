#include "fuzz_drive.h"

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "platform/message_box.h"

namespace fuzz {
namespace {

constexpr const char* kMemoryFolder = "/dev/shm";

class Drive {
public:
    Drive() {
        std::string pattern = ParentFolder() + "/quillet-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed for " + pattern);
        root_ = pattern;
        Map("QUILLET_DRIVE_C", root_);
        Map("QUILLET_SETTINGS_DIR", root_ / "settings");
        Map("QUILLET_TEMP", root_ / "temp");
        platform::SetMessageBoxHandler([](const platform::MessageBoxRequest&) { return platform::MbResult::Ok; });
    }
    ~Drive() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    const std::filesystem::path& root() const { return root_; }

private:
    // A folder in memory when there is one: each run rewrites its input file, and a disk
    // would make that the slowest part of the run.
    static std::string ParentFolder() {
        if (::access(kMemoryFolder, W_OK) == 0) return kMemoryFolder;
        const char* tmp = std::getenv("TMPDIR");
        return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    }
    static void Map(const char* variable, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        ::setenv(variable, folder.c_str(), 1);
    }

    std::filesystem::path root_;
};

}  // namespace

const std::filesystem::path& PrivateDrive() {
    static const Drive drive;
    return drive.root();
}

std::string WriteDriveFile(const std::string& relative, std::string_view bytes) {
    const std::filesystem::path path = PrivateDrive() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::string windowsPath = "C:\\" + relative;
    for (char& c : windowsPath)
        if (c == '/') c = '\\';
    return windowsPath;
}

}  // namespace fuzz
