// Any bytes as what comes back through the shared transfer block: a receiver in this
// process serves the TR_ functions from a global block whose fields the input fills, and
// answers or refuses each request as the input says. Every TR_ function converts what it
// reads, and every setter writes only the fields of the group it read.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <span>
#include <vector>

#include "fuzz_drive.h"
#include "platform/shared_memory.h"
#include "platform/windows.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"
#include "simlinker/simlinker.h"

namespace {

using namespace simlink;
using namespace simlink::global_block;

struct FieldSpan {
    std::uint32_t offset;
    std::uint32_t length;
};

// Every field a TR_ function reads or writes, filled from the input in this order.
constexpr FieldSpan kFields[] = {
    {kHour, 3},          {kDayOfYear, 2},   {kYear, 2},         {kSeason, 2},
    {kPause, 1},         {kGroundSpeed, 4}, {kTrueAirspeed, 4}, {kIndicatedAirspeed, 4},
    {kSmoke, 1},         {kLatitudeLow, 4}, {kLatitudeHigh, 4}, {kLongitudeLow, 4},
    {kLongitudeHigh, 4}, {kAltitude, 4},    {kHeading, 4},      {kSlew, 1},
    {kRate, 2},
};

bool IsField(std::uint32_t offset, std::uint32_t length) {
    for (const FieldSpan& field : kFields) {
        if (offset >= field.offset && offset + length <= field.offset + field.length) return true;
    }
    return false;
}

// The input, taken from the front; zeros once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}
    template <class Value>
    Value Take() {
        Value value{};
        const std::size_t count = std::min(sizeof value, rest_.size());
        std::memcpy(&value, rest_.data(), count);
        rest_ = rest_.subspan(count);
        return value;
    }

private:
    std::span<const std::uint8_t> rest_;
};

class Receiver {
public:
    Receiver() {
        current_ = this;
        fuzz::PrivateDrive();
        platform::RegisterWindowClass({kHookWindowClass, Serve});
        platform::RegisterWindowClass({kSimulatorWindowClass, platform::DefWindowProc});
        if (block_.Create(kTransferBlockName, kTransferBlockSize) != platform::SharedMemory::CreateStatus::Created)
            std::abort();
        if (platform::CreateWindow(kHookWindowClass, kHookWindowTitle) == 0 ||
            platform::CreateWindow(kSimulatorWindowClass, "simulator") == 0)
            std::abort();
    }
    ~Receiver() { platform::SharedMemory::Remove(kTransferBlockName); }

    void Reset(Input& input) {
        globals_.assign(kOffsetLimit, 0);
        answers_ = input.Take<std::uint64_t>();
        for (const FieldSpan& field : kFields) {
            for (std::uint32_t index = 0; index < field.length; ++index)
                globals_[field.offset + index] = input.Take<std::uint8_t>();
        }
    }

private:
    static platform::LResult Serve(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                   platform::LParam lParam) {
        if (message != platform::WM_COPYDATA) return platform::DefWindowProc(window, message, wParam, lParam);
        return current_->Answer(*reinterpret_cast<const platform::CopyDataStruct*>(lParam));
    }

    platform::LResult Answer(const platform::CopyDataStruct& copy) {
        SimLinkRequest request;
        if (copy.cbData != sizeof request) std::abort();
        std::memcpy(&request, copy.lpData, sizeof request);
        if (!IsAcceptableRequest(request.length, request.offset)) std::abort();
        // Each request takes the next bit: a clear one refuses it.
        const bool answer = (answers_ & 1) != 0;
        answers_ = answers_ >> 1 | answers_ << 63;
        if (!answer) return 0;
        auto* block = static_cast<std::uint8_t*>(block_.data());
        if (request.direction == kWrite) {
            if (!IsField(request.offset, request.length)) std::abort();
            std::memcpy(globals_.data() + request.offset, block, request.length);
        }
        std::memcpy(block, globals_.data() + request.offset, request.length);
        return 1;
    }

    static inline Receiver* current_ = nullptr;
    platform::SharedMemory block_;
    std::vector<std::uint8_t> globals_;
    std::uint64_t answers_ = 0;
};

struct Arguments {
    double number;
    int whole;
};

void RequireFinite(double value) {
    if (!std::isfinite(value)) std::abort();
}

// The TR_ functions, as the input picks them.
const std::function<void(const Arguments&)> kCalls[] = {
    [](const Arguments&) { RequireFinite(TR_GetFSLat()); },
    [](const Arguments&) { RequireFinite(TR_GetFSLon()); },
    [](const Arguments&) { RequireFinite(TR_GetFSHdg()); },
    [](const Arguments&) { RequireFinite(TR_GetFSAltF()); },
    [](const Arguments&) { RequireFinite(TR_GetFSRate()); },
    [](const Arguments&) { RequireFinite(TR_GetFSSpeedGS() + TR_GetFSSpeedIAS() + TR_GetFSSpeedTAS()); },
    [](const Arguments&) {
        TR_GetFSPause();
        TR_GetFSSmoke();
        TR_GetFSSlew();
        TR_IsFSRunning();
    },
    [](const Arguments&) {
        int h, m, s;
        TR_GetFSTime(&h, &m, &s);
        TR_GetFSYear();
        TR_GetFSSeason();
    },
    [](const Arguments& a) { TR_SetFSLat(a.number); },
    [](const Arguments& a) { TR_SetFSLon(a.number); },
    [](const Arguments& a) { TR_SetFSHdg(a.number); },
    [](const Arguments& a) { TR_SetFSAltF(a.number); },
    [](const Arguments& a) { TR_SetFSRate(a.number); },
    [](const Arguments& a) {
        TR_SetFSSmoke(a.whole);
        TR_SetFSPause(a.whole);
    },
    [](const Arguments& a) {
        TR_SetFSMin(a.whole);
        TR_SetFSTime(a.whole, a.whole, a.whole);
    },
    [](const Arguments& a) {
        TR_SetFSSEason(a.whole);
        TR_SetFSSpeedGS(a.number);
    },
};
constexpr int kCallsPerInput = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Receiver receiver;
    Input input(data, size);
    std::uint8_t picks[kCallsPerInput];
    for (std::uint8_t& pick : picks) pick = input.Take<std::uint8_t>();
    const Arguments arguments{input.Take<double>(), input.Take<int>()};
    receiver.Reset(input);
    for (std::uint8_t pick : picks) kCalls[pick % std::size(kCalls)](arguments);
    return 0;
}
