#include "duze/build_run.h"

#include <string>

#include "duze/source_checker.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace duze {
namespace {

constexpr const char* kErrorFile = "build.err";
constexpr const char* kCompiledFile = "Build.adv";
constexpr const char* kCompiledHeader = "ADVENTURE";

std::string Join(const std::vector<std::string>& parts, size_t from, size_t to) {
    std::string joined;
    for (size_t i = from; i < to; ++i) joined += (i > from ? " " : "") + parts[i];
    return joined;
}

// The compiled adventure: a header and the source's statement lines.
std::vector<std::string> Compile(const std::vector<std::string>& source) {
    std::vector<std::string> compiled{kCompiledHeader};
    for (const std::string& line : source) {
        size_t start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line[start] != '\'') compiled.push_back(line.substr(start));
    }
    return compiled;
}

}  // namespace

BuildRequest ParseArguments(const std::vector<std::string>& arguments) {
    BuildRequest request;
    if (arguments.size() >= 2 && arguments.front() == "-q") {
        request.sourcePath = Join(arguments, 1, arguments.size());
        request.outputFolder = platform::WindowsFolderPart(request.sourcePath);
        request.valid = true;
    } else if (arguments.size() >= 3 && arguments.front() == "-e" && arguments.back() == "build") {
        request.sourcePath = Join(arguments, 1, arguments.size() - 1);
        request.valid = true;
    }
    return request;
}

int RunBuild(const BuildRequest& request) {
    if (!request.valid) return 2;
    std::string folder = request.outputFolder;
    std::string errorPath = folder.empty() ? kErrorFile : platform::JoinWindowsPath(folder, kErrorFile);
    std::string compiledPath = folder.empty() ? kCompiledFile : platform::JoinWindowsPath(folder, kCompiledFile);
    platform::DeleteFile(errorPath);
    platform::DeleteFile(compiledPath);

    std::vector<std::string> source;
    if (!platform::ReadLines(request.sourcePath, source)) {
        platform::WriteLines(errorPath, {request.sourcePath + " 0: cannot read the source"});
        return 2;
    }
    std::vector<SourceError> errors = CheckSource(source);
    if (!errors.empty()) {
        std::vector<std::string> lines;
        for (const SourceError& e : errors)
            lines.push_back(request.sourcePath + " " + std::to_string(e.line) + ": " + e.message);
        platform::WriteLines(errorPath, lines);
        return 1;
    }
    return platform::WriteLines(compiledPath, Compile(source)) ? 0 : 2;
}

}  // namespace duze
