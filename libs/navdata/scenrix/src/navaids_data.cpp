#include "scenrix/navaids_data.h"

CNavaidsData::CNavaidsData() = default;

CNavaidsData::CNavaidsData(const CNavaidsData& other) = default;

CNavaidsData& CNavaidsData::operator=(const CNavaidsData& other) = default;
