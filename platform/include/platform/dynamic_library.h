// Loading a library at run time by its Windows file name ("Icarune.dll") and looking up
// its functions by name. "<Name>.dll" stands for our shared library lib<Name>.so, looked
// for (name without regard to case) beside the running executable, then in the folders
// listed in QUILLET_LIBRARY_PATH (separated by ':'). A library that is not there and a
// function that is not in it are told apart: Load fails, or Function returns nullptr.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/export.h"

namespace platform {

class PLATFORM_API DynamicLibrary {
public:
    enum class LoadResult { Loaded, Missing, Unloadable };

    DynamicLibrary() = default;
    ~DynamicLibrary();  // frees the library
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Missing: no such library found; Unloadable: found but the loader refused it.
    LoadResult Load(const std::string& fileName);
    bool IsLoaded() const { return handle_ != nullptr; }
    void Free();

    // nullptr when the library is not loaded or has no such function.
    void* Symbol(const std::string& name) const;
    template <class Signature>
    Signature* Function(const std::string& name) const {
        return reinterpret_cast<Signature*>(Symbol(name));
    }

    // The loader's message after Load failed as Unloadable.
    const std::string& error() const { return error_; }

    // The host file that a Windows library name stands for.
    static std::optional<std::filesystem::path> Locate(const std::string& fileName);

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace platform
