// An adventure folder on a temporary drive C: the definition, the default flight file
// copied beside it, and readers of the edited flight file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/text_file.h"
#include "testing/temp_environment.h"

namespace flitmark::testing {

inline constexpr const char* kAdfPath = "C:\\Quillet\\Trip\\Trip.adf";
inline constexpr const char* kFltPath = "C:\\Quillet\\Trip\\Trip.flt";
inline constexpr const char* kPlnPath = "C:\\Quillet\\Trip\\Trip.pln";

class FltFixture : public ::testing::Test {
protected:
    FltFixture() {
        std::filesystem::create_directories(platform::HostPath("C:\\Quillet\\Trip"));
        std::filesystem::copy_file(FLITMARK_DEFAULT_FLT, platform::HostPath(kFltPath));
    }

    static void WriteText(const char* path, const std::vector<std::string>& lines) {
        ASSERT_TRUE(platform::WriteLines(path, lines));
    }
    static std::string Bytes(const char* path) {
        return platform::testing::TempEnvironment::readFile(platform::HostPath(path));
    }
    static std::vector<std::string> ReadFileLines(const char* path) {
        std::vector<std::string> lines;
        platform::ReadLines(path, lines);
        return lines;
    }
    // The value of key in [section] of the flight file.
    static std::optional<std::string> FltValue(const std::string& section, const std::string& key) {
        const std::vector<std::string> lines = ReadFileLines(kFltPath);
        bool inSection = false;
        for (const std::string& line : lines) {
            if (!line.empty() && line[0] == '[')
                inSection = line == "[" + section + "]";
            else if (inSection && line.starts_with(key + "="))
                return line.substr(key.size() + 1);
        }
        return std::nullopt;
    }

    platform::testing::TempEnvironment env_;
};

}  // namespace flitmark::testing
