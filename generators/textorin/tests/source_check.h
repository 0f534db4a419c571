// Runs a generated source through the stand-in compiler's checks and prints what it
// finds, so a failing test names each fault with its line.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "duze/source_checker.h"

namespace textorin::testing {

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline ::testing::AssertionResult Compiles(const std::string& source) {
    std::vector<std::string> lines = SplitLines(source);
    auto errors = duze::CheckSource(lines);
    if (errors.empty()) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const auto& e : errors)
        failure << e.line << ": " << e.message << "  [" << (e.line >= 1 ? lines[e.line - 1] : "") << "]\n";
    return failure;
}

}  // namespace textorin::testing
