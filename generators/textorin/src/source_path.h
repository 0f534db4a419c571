// Naming the source file after its definition.
#pragma once

#include <string>

namespace textorin {

// The path with its old extension (its last characters, compared case-sensitively)
// replaced by the new one; unchanged when the extensions are equal, the path is empty
// or it does not end in the old extension.
std::string ReplaceFileExtension(const std::string& path, const std::string& oldExtension,
                                 const std::string& newExtension);

}  // namespace textorin
