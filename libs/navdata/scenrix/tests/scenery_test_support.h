// Fixture for scenery reader tests: a fresh drive C, recorded message boxes, and the
// five line arrays passed to LoadDLLBGL.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "scenrix/scenery_reader.h"
#include "testing/temp_environment.h"

namespace scenrix::testing {

class SceneryReaderFixture : public ::testing::Test {
protected:
    // Writes bytes to C:\test.bgl and reads it.
    void Read(const std::vector<std::uint8_t>& bytes) {
        env_.writeFile("drive_c/test.bgl", std::string(bytes.begin(), bytes.end()));
        ReadPath("C:\\test.bgl");
    }
    void ReadPath(const char* path) { LoadDLLBGL(path, ils_, navaids_, airports_, knownNavaids_, knownAirports_); }
    std::string ReadLog(const char* name) const {
        return platform::testing::TempEnvironment::readFile(env_.driveC() / name);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    std::vector<std::string> ils_, navaids_, airports_, knownNavaids_, knownAirports_;
};

}  // namespace scenrix::testing
