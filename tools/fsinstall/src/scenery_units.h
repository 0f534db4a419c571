// The scenery records' packed forms of positions, angles and frequencies.
#pragma once

#include <cstdint>

#include "byte_writer.h"

namespace fsinstall::detail {

void PutLatitude24(ByteWriter& out, double degrees);
void PutLongitude24(ByteWriter& out, double degrees);
void PutFacilityLatitude(ByteWriter& out, double degrees);
void PutFacilityLongitude(ByteWriter& out, double degrees);
// 16.16 angle; headings above 180 are stored as negative angles.
void PutAngle(ByteWriter& out, double degrees);
// Four bytes of packed decimal with four decimals.
void PutPackedFrequency(ByteWriter& out, double megahertz);
// NDB bytes 1 to 3.
void PutNdbFrequency(ByteWriter& out, double kilohertz);
// A navaid's elevation: signed 16-bit whole metres, rounded and held to their range.
void PutElevation(ByteWriter& out, double metres);

}  // namespace fsinstall::detail
