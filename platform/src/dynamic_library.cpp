#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include <utility>
#include <vector>

#include "ascii_case.h"
#include "environment.h"
#include "platform/paths.h"
#include "program_location.h"

namespace platform {
namespace {

constexpr std::string_view kWindowsSuffix = ".dll";

std::string SharedLibraryName(const std::string& fileName) {
    std::string stem = WindowsNamePart(fileName);
    if (EndsWithIgnoreCase(stem, kWindowsSuffix)) stem.resize(stem.size() - kWindowsSuffix.size());
    return "lib" + stem + ".so";
}

std::vector<std::filesystem::path> LibraryFolders() {
    std::vector<std::filesystem::path> folders{ExecutableFolder()};
    const std::string list = EnvironmentValue("QUILLET_LIBRARY_PATH").value_or("");
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(':', pos);
        if (end == std::string::npos) end = list.size();
        if (end > pos) folders.emplace_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    return folders;
}

}  // namespace

DynamicLibrary::~DynamicLibrary() { Free(); }

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        Free();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

std::optional<std::filesystem::path> DynamicLibrary::Locate(const std::string& fileName) {
    return FindInFolders(LibraryFolders(), SharedLibraryName(fileName));
}

DynamicLibrary::LoadResult DynamicLibrary::Load(const std::string& fileName) {
    Free();
    error_.clear();
    const auto path = Locate(fileName);
    if (!path) return LoadResult::Missing;
    handle_ = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* message = ::dlerror();
        error_ = message != nullptr ? message : "cannot load " + path->string();
        return LoadResult::Unloadable;
    }
    return LoadResult::Loaded;
}

void DynamicLibrary::Free() {
    if (handle_ != nullptr) ::dlclose(handle_);
    handle_ = nullptr;
}

void* DynamicLibrary::Symbol(const std::string& name) const {
    if (handle_ == nullptr) return nullptr;
    return ::dlsym(handle_, name.c_str());
}

}  // namespace platform
