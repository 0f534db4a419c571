// A small world for the tests of the database and what stands on it: record lines
// written as database files to a temporary drive C and loaded through the real loaders.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "navdata_testing/scenery_lines.h"
#include "testing/temp_environment.h"

namespace trevalo::testing {

inline constexpr const char* kBaseDirectory = "C:\\Quillet\\";

// Collects record lines, writes Airport.nav, Navaids.nav and Ils.nav, and loads them.
class WorldFiles {
public:
    explicit WorldFiles(platform::testing::TempEnvironment& env) : env_(env) {}

    // Each returns the 1-based record number.
    int AddAirport(const navdata::testing::AirportFields& fields);
    int AddNavaid(const navdata::testing::NavaidFields& fields);
    int AddIls(const navdata::testing::IlsFields& fields);

    std::unique_ptr<NavDatabase> Load() const;
    // Writes a file below the base directory.
    void WriteBaseFile(const std::string& name, const std::string& bytes) const;
    std::string ReadBaseFile(const std::string& name) const;

private:
    platform::testing::TempEnvironment& env_;
    std::vector<std::string> airports_, navaids_, ils_;
};

const AirportRecord* FindAirport(const NavDatabase& database, int number);
const NavaidRecord* FindNavaid(const NavDatabase& database, int number);

// Three airports, four navaids and three ILS round Springfield, loaded.
class NavWorldTest : public ::testing::Test {
protected:
    void SetUp() override;

    const AirportRecord& Airport(int number) const { return *FindAirport(*database_, number); }
    const NavaidRecord& Navaid(int number) const { return *FindNavaid(*database_, number); }

    platform::testing::TempEnvironment env_;
    WorldFiles files_{env_};
    std::unique_ptr<NavDatabase> database_;

    // Record numbers.
    int spf_ = 0, otr_ = 0, thr_ = 0;                       // airports
    int vorSpf_ = 0, ndbOt_ = 0, vorOtr_ = 0, dmeThd_ = 0;  // navaids
    int ilsSpf_ = 0, ilsOtr_ = 0, ilsThr_ = 0;
};

}  // namespace trevalo::testing
