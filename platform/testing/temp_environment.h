// For tests: points drives C and D, the settings store and the temporary folder at a
// fresh folder (mkdtemp under $TMPDIR or /tmp) for the fixture's lifetime, then restores
// the environment and removes the folder. No test touches the user's home.
//
// Include as "testing/temp_environment.h" (CMake target platform_testing).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path driveC() const { return root_ / "drive_c"; }
    std::filesystem::path driveD() const { return root_ / "drive_d"; }
    std::filesystem::path settingsDir() const { return root_ / "settings"; }
    std::filesystem::path tempDir() const { return root_ / "temp"; }  // QUILLET_TEMP

    // Writes bytes to a host file below the root, creating folders.
    std::filesystem::path writeFile(const std::string& relative, const std::string& bytes) const;
    static std::string readFile(const std::filesystem::path& path);

private:
    struct SavedVariable {
        std::string name;
        std::optional<std::string> value;
    };
    void set(const std::string& name, const std::filesystem::path& folder);

    std::filesystem::path root_;
    std::vector<SavedVariable> saved_;
};

}  // namespace platform::testing
