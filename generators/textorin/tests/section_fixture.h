// Runs one section writer on a test definition and gives its text.
#pragma once

#include <functional>
#include <string>

#include "definition_builder.h"
#include "generation_run.h"
#include "sections.h"

namespace textorin::testing {

// Writes the declarations first (they fill the route arrays) and returns only what
// the section itself wrote.
inline std::string SectionText(const DefinitionBuilder& builder, const std::function<void(GenerationRun&)>& section,
                               bool declareFirst = true) {
    adf::Definition definition = builder.Build();
    GenerationRun run(definition);
    if (declareFirst) WriteDeclarations(run);
    size_t start = run.out.Text().size();
    section(run);
    return run.out.Text().substr(start);
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace textorin::testing
