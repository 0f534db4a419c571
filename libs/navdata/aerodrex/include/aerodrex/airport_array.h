// CAirportArray: the airports (one record per runway) parsed from airport record lines,
// and each record's line composed back.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "aerodrex/airport_line_layout.h"
#include "aerodrex/export.h"

class AERODREX_API CAirportArray {
public:
    CAirportArray();
    CAirportArray(const CAirportArray& other);
    CAirportArray& operator=(const CAirportArray& other);
    // Moves keep the list's growth cheap.
    CAirportArray(CAirportArray&& other) noexcept;
    CAirportArray& operator=(CAirportArray&& other) noexcept;
    virtual ~CAirportArray();

    void Copy(const CAirportArray& other);
    // Parses one airport line and appends its record; always true.
    bool Add(const char* line);
    // Room for count records, so that adding them moves none.
    void Reserve(int count);
    // Makes the list count records long, and fills record i from a line: several threads
    // may fill a list this way at once, each its own records. Records that Resize adds
    // are unset until SetLine fills them, so that sizing a list for a load writes nothing.
    void Resize(int count);
    void SetLine(int i, const char* line);
    // Writes record i's 335-character line and a terminator into out (336 bytes).
    void GetALine(char* out, int i) const;
    int GetSize() const;
    void RemoveAll();

    // Record i's fields; i must lie in 0 .. GetSize() - 1. The texts stay valid until
    // the list next grows, is emptied or is destroyed.
    const char* GetAID(int i) const;
    const char* GetARnw(int i) const;
    const char* GetAName(int i) const;
    const char* GetALat(int i) const;
    const char* GetALon(int i) const;
    double GetAElev(int i) const;
    const char* GetALatBeg(int i) const;
    const char* GetALatEnd(int i) const;
    const char* GetALonBeg(int i) const;
    const char* GetALonEnd(int i) const;
    double GetAMagVar(int i) const;
    char GetARnwSide(int i) const;
    double GetAAtisFreq(int i) const;

private:
    // Fields as the getters return them, untrimmed.
    struct Record {
        char city[aerodrex::airport_line::kCity.size()];
        char country[aerodrex::airport_line::kCountry.size()];
        char name[aerodrex::airport_line::kName.size()];
        char ident[aerodrex::airport_line::kIdent.size()];
        double elevation;
        char latitude[aerodrex::airport_line::kLatitude.size()];
        char longitude[aerodrex::airport_line::kLongitude.size()];
        double atisFrequency;  // 0 when none
        char runwayHeading[aerodrex::airport_line::kRunwayHeading.size()];
        char side;  // side letter or 0
        double runwayLength;
        char surface[aerodrex::airport_line::kSurface.size()];
        double ilsFrequency;  // 0 when none
        char ilsIdent[aerodrex::airport_line::kIlsIdent.size()];
        double magneticVariation;
        char runwayStartLatitude[aerodrex::airport_line::kRunwayStartLatitude.size()];
        char runwayEndLatitude[aerodrex::airport_line::kRunwayEndLatitude.size()];
        char runwayStartLongitude[aerodrex::airport_line::kRunwayStartLongitude.size()];
        char runwayEndLongitude[aerodrex::airport_line::kRunwayEndLongitude.size()];
    };

    // Makes the records that a resize adds without setting them.
    template <class T>
    struct UnsetOnResize : std::allocator<T> {
        UnsetOnResize() = default;
        template <class U>
        UnsetOnResize(const UnsetOnResize<U>&) noexcept {}
        template <class U>
        void construct(U* at) noexcept {
            ::new (static_cast<void*>(at)) U;
        }
        template <class U, class... Arguments>
        void construct(U* at, Arguments&&... arguments) {
            ::new (static_cast<void*>(at)) U(std::forward<Arguments>(arguments)...);
        }
    };

    const Record& At(int i) const;
    static Record Parse(const char* line);

    std::vector<Record, UnsetOnResize<Record>> records_;
};
