#include "nav_world.h"

#include "navdata/line_widths.h"
#include "navdata/record_lines.h"

namespace trevalo::testing {
namespace {

template <class Record>
const Record* FindInGrid(const Grid<Record>& grid, int number) {
    for (const auto& cell : grid) {
        for (const Record& record : cell) {
            if (static_cast<int>(record.number) == number) {
                return &record;
            }
        }
    }
    return nullptr;
}

}  // namespace

int WorldFiles::AddAirport(const navdata::testing::AirportFields& fields) {
    airports_.push_back(navdata::testing::SceneryAirportLine(fields));
    return static_cast<int>(airports_.size());
}

int WorldFiles::AddNavaid(const navdata::testing::NavaidFields& fields) {
    navaids_.push_back(navdata::testing::SceneryNavaidLine(fields));
    return static_cast<int>(navaids_.size());
}

int WorldFiles::AddIls(const navdata::testing::IlsFields& fields) {
    ils_.push_back(navdata::testing::SceneryIlsLine(fields));
    return static_cast<int>(ils_.size());
}

void WorldFiles::WriteBaseFile(const std::string& name, const std::string& bytes) const {
    env_.writeFile("drive_c/Quillet/" + name, bytes);
}

std::string WorldFiles::ReadBaseFile(const std::string& name) const {
    return platform::testing::TempEnvironment::readFile(env_.driveC() / "Quillet" / name);
}

std::unique_ptr<NavDatabase> WorldFiles::Load() const {
    WriteBaseFile("Airport.nav", navdata::DatabaseBytes(airports_, navdata::kAirportLineWidth));
    WriteBaseFile("Navaids.nav", navdata::DatabaseBytes(navaids_, navdata::kNavaidLineWidth));
    WriteBaseFile("Ils.nav", navdata::DatabaseBytes(ils_, navdata::kIlsLineWidth));
    auto database = std::make_unique<NavDatabase>(kBaseDirectory);
    database->LoadAirportFile();
    database->LoadNavaidFile();
    database->LoadIlsFile();
    return database;
}

const AirportRecord* FindAirport(const NavDatabase& database, int number) {
    return FindInGrid(database.airportGrid, number);
}

const NavaidRecord* FindNavaid(const NavDatabase& database, int number) {
    return FindInGrid(database.navaidGrid, number);
}

void NavWorldTest::SetUp() {
    using navdata::testing::AirportFields;
    using navdata::testing::IlsFields;
    using navdata::testing::NavaidFields;

    AirportFields springfield;  // runway 270, side L, variation -5: runways L28 and L10
    spf_ = files_.AddAirport(springfield);

    AirportFields otherton;
    otherton.name = "Otherton";
    otherton.ident = "KOTR";
    otherton.latitude = "N046* 00'00.00";
    otherton.longitude = "W121* 00'00.00";
    otherton.runwayHeading = "180.0";
    otherton.side = 'R';
    otherton.magneticVariation = 0.0;
    otherton.runwayStartLatitude = "N046* 00'30.00";
    otherton.runwayEndLatitude = "N045* 59'30.00";
    otherton.runwayStartLongitude = "W121* 00'01.00";
    otherton.runwayEndLongitude = "W121* 00'02.00";
    otr_ = files_.AddAirport(otherton);

    AirportFields thirdton;  // runway 002 without side letter: runways 36 and 18
    thirdton.name = "Thirdton";
    thirdton.ident = "KTHR";
    thirdton.latitude = "N045* 00'00.00";
    thirdton.longitude = "W120* 00'00.00";
    thirdton.runwayHeading = "2.0";
    thirdton.side = 0;
    thirdton.magneticVariation = 0.0;
    thirdton.runwayStartLatitude = "N044* 59'30.00";
    thirdton.runwayEndLatitude = "N045* 00'30.00";
    thirdton.runwayStartLongitude = "W120* 00'03.00";
    thirdton.runwayEndLongitude = "W120* 00'04.00";
    thr_ = files_.AddAirport(thirdton);

    NavaidFields spfVor;
    vorSpf_ = files_.AddNavaid(spfVor);
    NavaidFields otNdb;
    otNdb.type = "NDB";
    otNdb.ident = "OT";
    otNdb.frequency = 350;
    otNdb.latitude = "N046* 10'00.00";
    otNdb.longitude = "W121* 10'00.00";
    otNdb.name = "OTHERTON NDB";
    ndbOt_ = files_.AddNavaid(otNdb);
    NavaidFields otrVor;
    otrVor.ident = "OTR";
    otrVor.latitude = "N046* 20'00.00";
    otrVor.longitude = "W121* 20'00.00";
    otrVor.name = "OTHERTON VOR";
    vorOtr_ = files_.AddNavaid(otrVor);
    NavaidFields thdDme;
    thdDme.type = "DME";
    thdDme.ident = "THD";
    thdDme.latitude = "N045* 10'00.00";
    thdDme.longitude = "W120* 10'00.00";
    thdDme.name = "THIRDTON DME";
    dmeThd_ = files_.AddNavaid(thdDme);

    IlsFields spfIls;
    spfIls.kind = 4;
    ilsSpf_ = files_.AddIls(spfIls);
    IlsFields otrIls;
    otrIls.kind = 4;
    otrIls.ident = "IOTR";
    otrIls.airportIdent = "KOTR";
    otrIls.heading = 180.0;
    otrIls.side = "R0.000000";
    ilsOtr_ = files_.AddIls(otrIls);
    IlsFields thrIls;  // 358 serves runway 002
    thrIls.kind = 4;
    thrIls.ident = "ITHR";
    thrIls.airportIdent = "KTHR";
    thrIls.heading = 358.0;
    thrIls.side = "0.000000";
    ilsThr_ = files_.AddIls(thrIls);

    database_ = files_.Load();
    ASSERT_EQ(database_->airportCount, 3);
    ASSERT_EQ(database_->navaidCount, 4);
}

}  // namespace trevalo::testing
