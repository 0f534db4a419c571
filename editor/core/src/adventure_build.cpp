#include "quillet/adventure_build.h"

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "quillet/private_folder.h"
#include "quillet/source_text.h"

namespace quillet {
namespace {

constexpr const char* kWorkSourceName = "Build.txt";
constexpr const char* kErrorFileName = "build.err";
constexpr const char* kCompiledFileName = "Build.adv";
constexpr const char* kBuildFolderPrefix = "QuilletBuild";
constexpr std::string_view kSourceExtension = ".txt";
constexpr const char* kAdventureExtension = ".adv";
// What a started program ends with when it cannot run: not executable, or its libraries
// or interpreter missing.
constexpr int kCannotExecuteExit = 126;
constexpr int kCannotRunExit = 127;

struct CopyLine {
    AdventureCopy code;
    const char* format;
};
constexpr CopyLine kCopyLines[] = {
    {AdventureCopy::Created, "%s (adv) - Created"},
    {AdventureCopy::NotCompiled, "%s (adv) - Cannot be created - Error %d"},
    {AdventureCopy::SourceMissing, "%s (adv) - Cannot Locate 'err' directory - Error %d"},
    {AdventureCopy::NotSource, "%s (adv) - Invalid file extention found - Error %d"},
};

std::string ReplacedAll(std::string line, const std::string& from, const std::string& to) {
    if (from.empty()) return line;
    for (std::size_t at = line.find(from); at != std::string::npos; at = line.find(from, at + to.size()))
        line.replace(at, from.size(), to);
    return line;
}

bool IsFile(const std::string& path) {
    const auto found = platform::FindFile(path);
    return found && !found->isFolder;
}

}  // namespace

std::string AdventureCopyLine(const std::string& title, AdventureCopy code) {
    for (const CopyLine& line : kCopyLines)
        if (line.code == code) return platform::Format(line.format, title.c_str(), static_cast<int>(code));
    return {};
}

AdventureCopy CopyBuiltAdventure(const std::string& title, const std::string& documentPath,
                                 const std::string& compiledPath) {
    if (!IsFile(documentPath)) return AdventureCopy::SourceMissing;
    std::string compiled;
    if (!platform::ReadFileBytes(compiledPath, compiled)) return AdventureCopy::NotCompiled;
    const std::size_t stem = title.size() >= kSourceExtension.size() ? title.size() - kSourceExtension.size() : 0;
    if (title.size() < kSourceExtension.size() ||
        !EqualsIgnoringCase(std::string_view(title).substr(stem), kSourceExtension))
        return AdventureCopy::NotSource;
    const std::string target = platform::WindowsFolderPart(documentPath) + title.substr(0, stem) + kAdventureExtension;
    return platform::ReplaceFileBytes(target, compiled) ? AdventureCopy::Created : AdventureCopy::NotCompiled;
}

BuildListing ListBuildResults(const std::string& errorFile, const std::string& workSource,
                              const std::string& compiledPath, const std::string& title,
                              const std::string& documentPath) {
    BuildListing listing;
    listing.lines.push_back("---------- " + errorFile + " : " + title + " ----------");
    std::vector<std::string> errors;
    if (platform::ReadLines(errorFile, errors)) {
        listing.lines.push_back(" ");
        for (std::string& line : errors)
            listing.lines.push_back(ReplacedAll(std::move(line), workSource, documentPath));
        listing.errorCount = static_cast<int>(errors.size());
    }
    listing.lines.push_back(" ");
    listing.lines.push_back(platform::Format("%s - %d - Error(s)", title.c_str(), listing.errorCount));
    if (listing.errorCount == 0)
        listing.lines.push_back(AdventureCopyLine(title, CopyBuiltAdventure(title, documentPath, compiledPath)));
    return listing;
}

BuildOutcome BuildAdventure(const std::string& compiler, const std::string& documentPath, const std::string& title) {
    const PrivateFolder folder(kBuildFolderPrefix);
    const std::string workSource = folder.File(kWorkSourceName);
    if (!folder.Made() || !platform::CopyFile(documentPath, workSource, false)) return {BuildFailure::NoWorkCopy, {}};
    platform::Process compilerRun;
    if (!compilerRun.Start(compiler, " -e \"" + workSource + "\" build", folder.Path(), platform::ShowMode::Hidden))
        return {BuildFailure::CompilerNotStarted, {}};
    compilerRun.Wait();
    const std::string errorFile = folder.File(kErrorFileName);
    const std::optional<int> exit = compilerRun.ExitCode();
    if ((exit == kCannotExecuteExit || exit == kCannotRunExit) && !platform::FindFile(errorFile))
        return {BuildFailure::CompilerDidNotRun, {}};
    return {BuildFailure::None,
            ListBuildResults(errorFile, workSource, folder.File(kCompiledFileName), title, documentPath)};
}

std::string FreeBuildSourcePath(const std::string& folder) {
    for (int number = 1;; ++number) {
        const std::string path = platform::JoinWindowsPath(folder, platform::Format("Build%d.txt", number));
        if (!platform::FindFile(path)) return path;
    }
}

}  // namespace quillet
