// Loads Cabinhook from the modules folder the way the simulator does: hands it the
// global block through entry 2 of its ImportTable and calls its attach entry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace fsim {

class ModuleHost {
public:
    ModuleHost(std::filesystem::path modulesFolder, std::uint8_t* globalBlock)
        : folder_(std::move(modulesFolder)), globalBlock_(globalBlock) {}
    ~ModuleHost() { Unload(); }
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // "loaded", "missing" (no module in the folder) or "refused" (tables or entries
    // missing, or attach failed).
    std::string Load();
    void Unload();
    bool loaded() const { return handle_ != nullptr; }

private:
    std::filesystem::path folder_;
    std::uint8_t* globalBlock_;
    void* handle_ = nullptr;
};

}  // namespace fsim
