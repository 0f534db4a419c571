// The whole adventure source of a definition, section by section.
#pragma once

#include <string>

#include "adf/definition.h"

namespace textorin {

// The source text with LF line ends.
std::string WriteAdventureSource(const adf::Definition& definition);

}  // namespace textorin
