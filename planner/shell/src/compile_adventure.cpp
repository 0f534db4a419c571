#include "shell/compile_adventure.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

constexpr const char* kWorkFileName = "Build.txt";
constexpr const char* kCompiledWorkFileName = "Build.adv";
constexpr const char* kCompiledExtension = "adv";
constexpr size_t kExtensionLength = 3;

// A folder of the temporary folder that no other run uses: the process id tells the
// planners apart, the counter the runs of one planner.
class PrivateBuildFolder {
public:
    PrivateBuildFolder() {
        static std::atomic<unsigned> runs{0};
        do {
            path_ =
                platform::TempFolder() + "Build-" + std::to_string(::getpid()) + "-" + std::to_string(++runs) + "\\";
        } while (platform::FindFile(path_));
        made_ = platform::CreateDirectory(path_);
    }
    ~PrivateBuildFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(platform::HostPath(path_), ignored);
    }
    PrivateBuildFolder(const PrivateBuildFolder&) = delete;
    PrivateBuildFolder& operator=(const PrivateBuildFolder&) = delete;

    bool Made() const { return made_; }
    std::string File(const char* name) const { return path_ + name; }

private:
    std::string path_;
    bool made_ = false;
};

bool IsFile(const std::string& path) {
    const auto found = platform::FindFile(path);
    return found && !found->isFolder;
}

// The source's path with its last three characters replaced by "adv".
std::string CompiledPath(const std::string& sourcePath) {
    const size_t keep = sourcePath.size() > kExtensionLength ? sourcePath.size() - kExtensionLength : 0;
    return sourcePath.substr(0, keep) + kCompiledExtension;
}

bool RunCompiler(const std::string& compiler, const std::string& workFile, const std::string& workingFolder,
                 std::chrono::milliseconds timeLimit) {
    platform::Process process;
    if (!process.Start(compiler, " -q \"" + workFile + "\"", workingFolder, platform::ShowMode::Hidden)) return false;
    if (process.Wait(static_cast<int>(timeLimit.count()))) return true;
    process.Terminate();
    return false;
}

}  // namespace

bool CompileAdventure(const std::string& sourcePath, std::chrono::milliseconds timeLimit) {
    const std::string compiler = Settings().ReadString(SettingId::AdventureBuild);
    if (sourcePath.empty()) return false;
    if (!IsFile(sourcePath)) {
        platform::MessageBox(kBuildSourceMissingMessage, {}, platform::MbIcon::Stop);
        return false;
    }
    const std::string target = CompiledPath(sourcePath);
    // A source that ends in "adv" would be its own target.
    if (!platform::ResolveProgram(compiler) || platform::LowerCased(target) == platform::LowerCased(sourcePath)) {
        platform::MessageBox(kBuildCompilerMissingMessage, {}, platform::MbIcon::Stop);
        return false;
    }
    // Only what this run makes may count as its result.
    platform::DeleteFile(target);

    const PrivateBuildFolder folder;
    const std::string workFile = folder.File(kWorkFileName);
    const std::string compiled = folder.File(kCompiledWorkFileName);
    if (!folder.Made() || !platform::CopyFile(sourcePath, workFile, false)) return false;
    if (!RunCompiler(compiler, workFile, platform::WindowsFolderPart(sourcePath), timeLimit)) return false;
    return IsFile(compiled) && platform::CopyFile(compiled, target, false) && IsFile(target);
}

}  // namespace trevalo
