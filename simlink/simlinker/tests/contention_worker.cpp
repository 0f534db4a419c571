#include "contention_worker.h"

#include <cstdint>
#include <cstdio>
#include <span>

#include "simlinker/simlinker.h"

namespace simlink::testing {
namespace {

// A word that no TR_ function touches.
constexpr unsigned kFreeWord = 4096;
constexpr int kToldAtMost = 10;

template <unsigned kOffset>
int WriteWord(int value) {
    std::int32_t word = value;
    unsigned got = 0;
    return TR_Write(&word, sizeof word, &got, kOffset);
}

template <unsigned kOffset>
int ReadWord() {
    std::int32_t word = 0;
    unsigned got = 0;
    return TR_Read(&word, sizeof word, &got, kOffset) == 1 ? word : -1;
}

struct CheckedField {
    const char* name;
    int (*set)(int value);
    int (*get)();
    int (*valueFor)(int iteration);
};

int Bit(int iteration) { return iteration & 1; }
int Sixtieth(int iteration) { return iteration % 60; }

// Smoke and slew share the flag group, minute and second the time group.
constexpr CheckedField kFirstFields[] = {
    {"altitude", [](int v) { return TR_SetFSAltM(v); }, [] { return static_cast<int>(TR_GetFSAltM()); },
     [](int i) { return 1000 + i; }},
    {"smoke", TR_SetFSSmoke, TR_GetFSSmoke, Bit},
    {"minute", TR_SetFSMin, TR_GetFSMin, Sixtieth},
};
constexpr CheckedField kSecondFields[] = {
    {"free word", WriteWord<kFreeWord>, ReadWord<kFreeWord>, [](int i) { return i * 7919; }},
    {"slew", TR_SetFSSlew, TR_GetFSSlew, Bit},
    {"second", TR_SetFSSec, TR_GetFSSec, Sixtieth},
};

struct Constant {
    const char* name;
    int (*get)();
    int expected;
};

// Set by the test before the workers start; no worker changes them.
constexpr Constant kConstants[] = {
    {"pause", TR_GetFSPause, 1},
    {"rate x 256", [] { return static_cast<int>(TR_GetFSRate() * 256); }, 256},
    {"year", TR_GetFSYear, 2002},
};

}  // namespace

int Contend(int who, int iterations) {
    const std::span<const CheckedField> fields = who == 0 ? std::span(kFirstFields) : std::span(kSecondFields);
    int wrong = 0;
    auto expect = [&](const char* what, const char* name, int got, int expected, int iteration) {
        if (got == expected) return;
        // Once a group is written back wrong, the rest follows; the first few tell it.
        if (++wrong > kToldAtMost) return;
        std::fprintf(stderr, "worker %d, round %d: %s %s gave %d, not %d\n", who, iteration, what, name, got, expected);
    };
    for (int i = 0; i < iterations; ++i) {
        for (const CheckedField& field : fields) expect("setting", field.name, field.set(field.valueFor(i)), 1, i);
        for (const CheckedField& field : fields) expect("reading", field.name, field.get(), field.valueFor(i), i);
        for (const Constant& constant : kConstants)
            expect("reading", constant.name, constant.get(), constant.expected, i);
    }
    return wrong;
}

}  // namespace simlink::testing
