// SidStar: one SID or STAR with up to ten points, each with its record line and a
// parsed leg; ExtraStar: up to ten extra points with altitudes.
#pragma once

#include <cstddef>

#include "scenrix/export.h"
#include "scenrix/fileval.h"
#include "scenrix/line_sizes.h"

namespace scenrix {

inline constexpr int kSidStarCapacity = 10;             // points of SidStar and ExtraStar
inline constexpr std::size_t kProcedureNameSize = 260;  // each SidStar name, terminator included
inline constexpr std::size_t kSidStarLineSize = kAirportLineSize;

}  // namespace scenrix

class SCENRIX_API SidStar {
public:
    SidStar();
    ~SidStar();
    SidStar(const SidStar& other);
    // Copies everything; the legs by fileval assignment.
    SidStar& operator=(const SidStar& other);

    // Removes the points, zeroes head and names; the legs stay as they are.
    void Clear();
    int GetSize() const;
    // Appends a point and a copy of its line (cut to fit, null taken as empty);
    // false, and nothing changed, when ten points are held already.
    bool Add(double x, double y, const char* line);
    // Point i; false, x and y untouched, when there is no point i.
    bool Get(int i, double& x, double& y) const;
    // Line of point i; null when there is no point i.
    char* GetLine(int i);

    int head = 0;
    char firstName[scenrix::kProcedureNameSize] = {};
    char secondName[scenrix::kProcedureNameSize] = {};
    fileval legs[scenrix::kSidStarCapacity];
    double x[scenrix::kSidStarCapacity] = {};
    double y[scenrix::kSidStarCapacity] = {};
    char lines[scenrix::kSidStarCapacity][scenrix::kSidStarLineSize] = {};
    int lastIndex = -1;  // number of points - 1
};

class SCENRIX_API ExtraStar {
public:
    ExtraStar();
    ExtraStar(const ExtraStar& other);
    ExtraStar& operator=(const ExtraStar& other);

    // Removes the points; the altitudes stay.
    void Clear();
    int GetSize() const;
    // Appends a point; false, and nothing changed, when ten points are held already.
    bool Add(double x, double y);
    // Point i; false, x and y untouched, when there is no point i.
    bool Get(int i, double& x, double& y) const;
    // Altitude slot i of the ten, independent of the point count so that it may be
    // set before its point is added. SetAlt ignores a slot outside 0 to 9; GetAlt
    // returns kNoAltitude for one.
    void SetAlt(int i, int altitude);
    int GetAlt(int i) const;

    static constexpr int kNoAltitude = -1;

    double x[scenrix::kSidStarCapacity] = {};
    double y[scenrix::kSidStarCapacity] = {};
    int altitude[scenrix::kSidStarCapacity] = {};
    int lastIndex = -1;  // number of points - 1
};
