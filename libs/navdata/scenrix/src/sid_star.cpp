#include "scenrix/sid_star.h"

#include "fixed_text.h"
#include "point_list.h"

using scenrix::detail::HoldsPoint;

SidStar::SidStar() = default;

SidStar::~SidStar() = default;

SidStar::SidStar(const SidStar& other) = default;

SidStar& SidStar::operator=(const SidStar& other) = default;

void SidStar::Clear() {
    for (int i = 0; i <= lastIndex; ++i) {
        x[i] = 0.0;
        y[i] = 0.0;
        lines[i][0] = '\0';
    }
    head = 0;
    firstName[0] = '\0';
    secondName[0] = '\0';
    lastIndex = -1;
}

int SidStar::GetSize() const { return lastIndex + 1; }

bool SidStar::Add(double pointX, double pointY, const char* line) {
    if (!scenrix::detail::AppendPoint(*this, pointX, pointY)) {
        return false;
    }
    scenrix::detail::CopyCut(line == nullptr ? "" : line, lines[lastIndex], sizeof lines[lastIndex]);
    return true;
}

bool SidStar::Get(int i, double& pointX, double& pointY) const {
    return scenrix::detail::ReadPoint(*this, i, pointX, pointY);
}

char* SidStar::GetLine(int i) { return HoldsPoint(lastIndex, i) ? lines[i] : nullptr; }
