// Record lines of the loaded databases by 1-based record number, and the kinds of navaid
// as their type texts name them.
#pragma once

#include <string>

#include "map/nav_database.h"

namespace trevalo::route_detail {

bool IsAirportNumber(const NavDatabase& database, int number);
bool IsNavaidNumber(const NavDatabase& database, int number);

// The record line of airport or navaid `number`; empty when there is no such record.
std::string AirportLine(const NavDatabase& database, int number);
std::string NavaidLine(const NavDatabase& database, int number);

// "VOR", "NDB", "DME" for the route point kinds 1 to 3; empty for any other.
const char* NavaidTypeText(double type);
// The route point kind of a navaid type text (trimmed): 1 VOR, 2 NDB, 3 DME, 4 ILS, else -1.
double NavaidTypeOfText(const std::string& typeText);

}  // namespace trevalo::route_detail
