#include "point_list.h"
#include "scenrix/sid_star.h"

namespace {

bool IsAltitudeSlot(int i) { return i >= 0 && i < scenrix::kSidStarCapacity; }

}  // namespace

ExtraStar::ExtraStar() = default;

ExtraStar::ExtraStar(const ExtraStar& other) = default;

ExtraStar& ExtraStar::operator=(const ExtraStar& other) = default;

void ExtraStar::Clear() { lastIndex = -1; }

int ExtraStar::GetSize() const { return lastIndex + 1; }

bool ExtraStar::Add(double pointX, double pointY) { return scenrix::detail::AppendPoint(*this, pointX, pointY); }

bool ExtraStar::Get(int i, double& pointX, double& pointY) const {
    return scenrix::detail::ReadPoint(*this, i, pointX, pointY);
}

void ExtraStar::SetAlt(int i, int altitudeValue) {
    if (IsAltitudeSlot(i)) {
        altitude[i] = altitudeValue;
    }
}

int ExtraStar::GetAlt(int i) const { return IsAltitudeSlot(i) ? altitude[i] : kNoAltitude; }
