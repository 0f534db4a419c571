#include "scenrix/airport_struct.h"

CAirportStruct::CAirportStruct() = default;

CAirportStruct::CAirportStruct(const CAirportStruct& other) = default;

CAirportStruct& CAirportStruct::operator=(const CAirportStruct& other) = default;

CAirportStruct::~CAirportStruct() = default;
