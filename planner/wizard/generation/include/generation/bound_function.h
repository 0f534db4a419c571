// A function of a library loaded by name at its first use ("Textorin.dll", "CreateTxt").
// The library stays loaded until the object goes; a missing library or function is
// reported each time it is asked for, with the "Missing DLL" messages.
#pragma once

#include <string>

#include "platform/dynamic_library.h"

namespace trevalo {

inline constexpr const char* kMissingDllCaption = "Missing DLL";

class LibraryBinding {
public:
    LibraryBinding(std::string fileName, std::string functionName)
        : fileName_(std::move(fileName)), functionName_(std::move(functionName)) {}

    // The function's address; nullptr once its message has been shown.
    void* Bind();
    bool IsLoaded() const { return library_.IsLoaded(); }

private:
    std::string fileName_;
    std::string functionName_;
    platform::DynamicLibrary library_;
    void* function_ = nullptr;
};

template <class Signature>
class BoundFunction {
public:
    BoundFunction(std::string fileName, std::string functionName)
        : binding_(std::move(fileName), std::move(functionName)) {}

    Signature* Get() { return reinterpret_cast<Signature*>(binding_.Bind()); }
    bool IsLoaded() const { return binding_.IsLoaded(); }

private:
    LibraryBinding binding_;
};

}  // namespace trevalo
