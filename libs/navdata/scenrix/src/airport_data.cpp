#include "scenrix/airport_data.h"

CAirportData::CAirportData() = default;

CAirportData::~CAirportData() = default;

CAirportData::CAirportData(const CAirportData& other) = default;

CAirportData& CAirportData::operator=(const CAirportData& other) = default;
