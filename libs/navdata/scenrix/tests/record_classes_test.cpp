#include <cstring>

#include <gtest/gtest.h>

#include "scenrix/airport_data.h"
#include "scenrix/airport_struct.h"
#include "scenrix/navaids_data.h"

namespace {

TEST(CAirportData, StartsWithTheRunwayFromItsBeginning) {
    const CAirportData data;
    EXPECT_TRUE(data.runwayBegin);
    EXPECT_EQ(data.runwayHeading, 0.0);
    EXPECT_STREQ(data.airportLine, "");
    EXPECT_EQ(data.sidStar.GetSize(), 0);
    EXPECT_EQ(data.extraStar.GetSize(), 0);
}

TEST(CAirportData, CopiesAreIndependent) {
    CAirportData data;
    std::strcpy(data.airportLine, "airport");
    std::strcpy(data.ilsLine, "ils");
    data.runwayHeading = 247.0;
    data.runwayBegin = false;
    data.sidStar.Add(1.0, 2.0, "point");
    data.sidStar.legs[0].FillFileval("t01=R:KLAX:");
    data.sidStar.legs[0]._Setid("GABRL1");
    data.extraStar.Add(3.0, 4.0);

    CAirportData assigned;
    assigned = data;
    CAirportData copied(data);
    data.sidStar.legs[0].Empty();
    for (CAirportData* copy : {&assigned, &copied}) {
        EXPECT_STREQ(copy->airportLine, "airport");
        EXPECT_STREQ(copy->ilsLine, "ils");
        EXPECT_EQ(copy->runwayHeading, 247.0);
        EXPECT_FALSE(copy->runwayBegin);
        EXPECT_STREQ(copy->sidStar.GetLine(0), "point");
        EXPECT_STREQ(copy->sidStar.legs[0]._Getid(), "GABRL1");
        EXPECT_EQ(copy->extraStar.GetSize(), 1);
    }
}

TEST(CNavaidsData, StartsWithBothFlagsSetAndNoIndex) {
    const CNavaidsData navaid;
    EXPECT_STREQ(navaid.navaidLine, "");
    EXPECT_TRUE(navaid.firstFlag);
    EXPECT_TRUE(navaid.secondFlag);
    EXPECT_EQ(navaid.firstValue, 0);
    EXPECT_EQ(navaid.secondValue, 0);
    EXPECT_EQ(navaid.index, -1);
}

TEST(CAirportStruct, CopiesEveryField) {
    CAirportStruct runway;
    runway.latitude = "N047* 27'57.37";
    runway.airportIdent = "LSZH";
    runway.ilsFrequency = "110.50";
    CAirportStruct copied(runway);
    CAirportStruct assigned;
    assigned = runway;
    for (const CAirportStruct* copy : {&copied, &assigned}) {
        EXPECT_EQ(copy->latitude, runway.latitude);
        EXPECT_EQ(copy->airportIdent, runway.airportIdent);
        EXPECT_EQ(copy->ilsFrequency, runway.ilsFrequency);
        EXPECT_TRUE(copy->city.empty());
    }
}

}  // namespace
