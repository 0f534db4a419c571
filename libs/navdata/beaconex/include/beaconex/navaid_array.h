// CNavaidArray: the navaids parsed from navaid record lines with their map positions,
// and each record's line composed back. Each object is at once a list and a record.
#pragma once

#include <vector>

#include "beaconex/export.h"
#include "beaconex/navaid_line_layout.h"

class BEACONEX_API CNavaidArray {
public:
    CNavaidArray();
    CNavaidArray(const CNavaidArray& other);
    CNavaidArray& operator=(const CNavaidArray& other);
    // Moves keep the list's growth cheap.
    CNavaidArray(CNavaidArray&& other) noexcept;
    CNavaidArray& operator=(CNavaidArray&& other) noexcept;
    ~CNavaidArray();

    void Copy(const CNavaidArray& other);
    // Parses one navaid line, keeps the map position x, y with it and appends it; always true.
    bool Add(const char* line, double x, double y);
    // Writes record i's 170-character line and a terminator into out (171 bytes).
    void GetNLine(char* out, int i) const;
    int GetSize() const;
    void RemoveAll();

    // Record i's fields; i must lie in 0 .. GetSize() - 1. The texts stay valid until
    // the list next grows, is emptied or is destroyed.
    const char* GetNLat(int i) const;
    const char* GetNLon(int i) const;
    const char* GetNID(int i) const;
    const char* GetNName(int i) const;
    const char* GetNType(int i) const;
    float GetNfreq(int i) const;
    double GetNfElev(int i) const;
    double GetNx(int i) const;
    double GetNy(int i) const;

private:
    // Fields as the getters return them, untrimmed.
    struct Record {
        char country[beaconex::navaid_line::kCountry.size()];
        char type[beaconex::navaid_line::kType.size()];
        char ident[beaconex::navaid_line::kIdent.size()];
        float frequency;  // kHz for an NDB, MHz otherwise
        char latitude[beaconex::navaid_line::kLatitude.size()];
        char longitude[beaconex::navaid_line::kLongitude.size()];
        float elevation;  // feet
        char name[beaconex::navaid_line::kName.size()];
        double x;
        double y;
    };

    const Record& At(int i) const;
    static Record Parse(const char* line, double x, double y);

    std::vector<CNavaidArray> records_;
    Record record_;
};
