// fileval: one parsed leg line of a SID/STAR procedure, "t01=" followed by 18
// colon-closed fields (code, word, thirteen numbers and three idents/texts), plus
// the procedure's id, which only _Setid and assignment set.
#pragma once

#include <memory>

#include "scenrix/export.h"

class SCENRIX_API fileval {
public:
    fileval();
    ~fileval();
    // A copy is an assignment into a fresh item: refilled from the line, id copied.
    fileval(const fileval& other);
    // No-op for self-assignment; otherwise empties this item, refills it from the
    // other's whole line and copies the other's id when it has one.
    const fileval& operator=(const fileval& other);

    // Frees every string (all become null) and sets kind to -1; numbers stay.
    void Empty();
    // Null or empty line: Empty(). Otherwise keeps a copy of the line and fills
    // code, word, the numbers and the texts from its fields; id and kind stay.
    void FillFileval(const char* line);

    // Nonzero when the id is null or empty.
    int IsEmpty() const;

    // Owned strings, null when unset.
    char* GetLine() const;
    char* _Getcode() const;
    char* _Getword() const;
    char* _Gethdgid() const;
    char* _Getidtonext() const;
    char* _Getidtonexttext() const;
    char* _Getid() const;

    // Replace a string with an owned copy; a null text leaves it unchanged.
    void _Setcode(const char* text);
    void _Setword(const char* text);
    void _Sethdgid(const char* text);
    void _Setidtonext(const char* text);
    void _Setidtonexttext(const char* text);
    void _Setid(const char* text);

    int kind = -1;  // -1 when empty

    // Fields 2 to 8 of the line.
    double latitude = 0.0;   // north positive
    double longitude = 0.0;  // west positive
    double minSpeed = 0.0;
    double maxSpeed = 0.0;
    double minAltitude = 0.0;
    double maxAltitude = 0.0;
    double heading = 0.0;  // heading to fly
    // Fields 10 to 13: the navaid or airport named by hdgid and the next point
    // seen from it.
    double hdgLatitude = 0.0;
    double hdgLongitude = 0.0;
    double nextDistance = 0.0;  // nautical miles
    double nextRadial = 0.0;
    // Fields 15 and 16: position of the navaid or airport named by idtonext.
    double idtonextLatitude = 0.0;
    double idtonextLongitude = 0.0;

private:
    using OwnedText = std::unique_ptr<char[]>;

    OwnedText idtonext_;
    OwnedText idtonexttext_;
    OwnedText hdgid_;
    OwnedText id_;
    OwnedText code_;
    OwnedText word_;
    OwnedText line_;
};
