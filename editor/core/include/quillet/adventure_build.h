// Compiling a document's source with the adventure compiler (Files/Adventure Build) and
// listing the result as the build bar shows it.
//
// Each run works in a private folder: the source is copied there as "Build.txt" and the
// compiler runs hidden on it (" -e <copy> build") with that folder as its working folder,
// so its build.err and Build.adv never meet the user's files. The error lines name the
// document's path in place of the copy's. Without errors, this run's Build.adv is put
// beside the source as <title>.adv (replacing an older one whole).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

inline constexpr const char* kBuildSaveFailedMessage =
    "This document could not be saved\nYou must ensure that the 'directory' is set\nand that it exist\n"
    "This build cannot be completed";
inline constexpr const char* kBuildSourceMissingMessage =
    "The file cannot be found and cannot be saved.\nEnsure that the file has a valid name and that you have\n"
    "read\\write access to the file\nThe build cannot be completed";
inline constexpr const char* kBuildCompilerMissingMessage = "Can't or don't know how to build .ADV";
// The compiler's path follows.
inline constexpr const char* kBuildCompilerDidNotRunMessage =
    "The compiler did not run:\n%s\nCheck that it and the libraries it needs are installed.\n"
    "This build cannot be completed";

// What CopyBuiltAdventure answers.
enum class AdventureCopy { Created = 0, NotCompiled = 1, SourceMissing = 2, NotSource = 3 };

// The build list's line for a copy's result.
std::string AdventureCopyLine(const std::string& title, AdventureCopy code);

// Puts the compiled file beside the document as its title with ".adv" for ".txt".
AdventureCopy CopyBuiltAdventure(const std::string& title, const std::string& documentPath,
                                 const std::string& compiledPath);

// The build list of a run: heading, the error lines with the document's path, the count,
// and without errors the copy's result.
struct BuildListing {
    std::vector<std::string> lines;
    int errorCount = 0;
};
BuildListing ListBuildResults(const std::string& errorFile, const std::string& workSource,
                              const std::string& compiledPath, const std::string& title,
                              const std::string& documentPath);

// CompilerDidNotRun: it started but ended as a program that cannot run does (code 126 or
// 127), without an error list.
enum class BuildFailure { None, NoWorkCopy, CompilerNotStarted, CompilerDidNotRun };
struct BuildOutcome {
    BuildFailure failure = BuildFailure::None;
    BuildListing listing;
};
// Compiles the saved document's file (the compiler and the file were looked up before).
BuildOutcome BuildAdventure(const std::string& compiler, const std::string& documentPath, const std::string& title);

// The first of Build1.txt, Build2.txt, ... in the folder that no file has yet.
std::string FreeBuildSourcePath(const std::string& folder);

}  // namespace quillet
