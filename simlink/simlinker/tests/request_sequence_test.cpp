// The requests each TR_ function sends, checked against a stand-in receiver in this
// process: fields, order, one request per field, and what the setters return.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/shared_memory.h"
#include "platform/windows.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"
#include "simlinker/simlinker.h"
#include "testing/temp_environment.h"

namespace simlink {
namespace {

using namespace global_block;

// One request as the receiver saw it: "R" or "W", offset, "/", length.
std::string Describe(const SimLinkRequest& request) {
    std::string text = request.direction == kWrite ? "W" : "R";
    text += std::to_string(request.offset);
    text += '/';
    text += std::to_string(request.length);
    return text;
}

// Plays Cabinhook and the simulator: serves requests against a global block of its own.
class FakeReceiver {
public:
    FakeReceiver() {
        current_ = this;
        platform::RegisterWindowClass({kHookWindowClass, Proc});
        platform::RegisterWindowClass({kSimulatorWindowClass, platform::DefWindowProc});
        block_.Create(kTransferBlockName, kTransferBlockSize);
        hookWindow_ = platform::CreateWindow(kHookWindowClass, kHookWindowTitle);
        mainWindow_ = platform::CreateWindow(kSimulatorWindowClass, "simulator");
    }
    ~FakeReceiver() {
        platform::DestroyWindow(hookWindow_);
        platform::DestroyWindow(mainWindow_);
        platform::UnregisterWindowClass(kHookWindowClass);
        platform::UnregisterWindowClass(kSimulatorWindowClass);
        platform::SharedMemory::Remove(kTransferBlockName);
        current_ = nullptr;
    }

    bool ready() const { return block_.IsOpen() && hookWindow_ != 0 && mainWindow_ != 0; }
    std::string requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }
    void refuseWritesAt(std::uint32_t offset) { refusedWrite_ = offset; }
    // Runs on every write after the bytes have reached the global block.
    void onWrite(std::function<void(std::uint8_t* globals)> change) { onWrite_ = std::move(change); }

    template <class Field>
    void put(std::uint32_t offset, Field value) {
        std::memcpy(globals_.data() + offset, &value, sizeof value);
    }
    std::string hex(std::uint32_t offset, std::uint32_t length) const {
        std::string text;
        char pair[3];
        for (std::uint32_t index = 0; index < length; ++index) {
            std::snprintf(pair, sizeof pair, "%02x", globals_[offset + index]);
            text += pair;
        }
        return text;
    }

private:
    static platform::LResult Proc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                  platform::LParam lParam) {
        if (message != platform::WM_COPYDATA) return platform::DefWindowProc(window, message, wParam, lParam);
        return current_->Serve(wParam, *reinterpret_cast<const platform::CopyDataStruct*>(lParam));
    }

    platform::LResult Serve(platform::WParam wParam, const platform::CopyDataStruct& copy) {
        SimLinkRequest request;
        if (copy.cbData != sizeof request) {
            requests_ += "bad size ";
            return 0;
        }
        std::memcpy(&request, copy.lpData, sizeof request);
        requests_ += Describe(request);
        if (wParam != 0 || copy.dwData != 0 || request.reserved != 0) requests_ += "(not zero)";
        if (request.direction != kWrite && request.direction != kRead) requests_ += "(direction)";
        requests_ += " ";
        auto* bytes = static_cast<std::uint8_t*>(block_.data());
        if (request.direction == kWrite) {
            if (request.offset == refusedWrite_) return 0;
            std::memcpy(globals_.data() + request.offset, bytes, request.length);
            if (onWrite_) onWrite_(globals_.data());
        }
        std::memcpy(bytes, globals_.data() + request.offset, request.length);
        return 1;
    }

    static inline FakeReceiver* current_ = nullptr;
    platform::SharedMemory block_;
    platform::Hwnd hookWindow_ = 0;
    platform::Hwnd mainWindow_ = 0;
    std::vector<std::uint8_t> globals_ = std::vector<std::uint8_t>(kOffsetLimit);
    std::string requests_;
    std::uint32_t refusedWrite_ = kOffsetLimit;
    std::function<void(std::uint8_t*)> onWrite_;
};

class RequestSequenceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(receiver_.ready()); }

    platform::testing::TempEnvironment env_;
    FakeReceiver receiver_;
};

constexpr const char* kFlagReads = "R1492/1 R616/1 R1352/1 R3098/2 ";
constexpr const char* kFlagWrites = "W1492/1 W616/1 W1352/1 W3098/2 ";
constexpr const char* kPositionReads = "R1380/4 R1376/4 R1388/4 R1384/4 ";
constexpr const char* kPositionWrites = "W1380/4 W1376/4 W1388/4 W1384/4 ";
constexpr const char* kDateReads = "R580/2 R582/2 R590/2 ";
constexpr const char* kSpeedReads = "R692/4 R696/4 R700/4 ";

TEST_F(RequestSequenceTest, EachFunctionSendsOneRequestPerFieldInOrder) {
    const struct {
        const char* name;
        std::function<void()> call;
        std::string expected;
    } cases[] = {
        {"IsFSRunning", [] { TR_IsFSRunning(); }, "R616/1 "},
        {"GetFSHrs", [] { TR_GetFSHrs(); }, "R568/1 "},
        {"GetFSMin", [] { TR_GetFSMin(); }, "R569/1 "},
        {"GetFSSec", [] { TR_GetFSSec(); }, "R570/1 "},
        {"GetFSTime",
         [] {
             int h, m, s;
             TR_GetFSTime(&h, &m, &s);
         },
         "R568/3 "},
        {"SetFSMin", [] { TR_SetFSMin(5); }, "R568/3 W568/3 "},
        {"SetFSTime", [] { TR_SetFSTime(1, 2, 3); }, "W568/3 "},
        {"GetFSLat", [] { TR_GetFSLat(); }, kPositionReads},
        {"SetFSLon", [] { TR_SetFSLon(1.0); }, std::string(kPositionReads) + kPositionWrites},
        {"GetFSAltF", [] { TR_GetFSAltF(); }, "R1396/4 "},
        {"SetFSAltM", [] { TR_SetFSAltM(10); }, "W1396/4 "},
        {"GetFSPause", [] { TR_GetFSPause(); }, kFlagReads},
        {"SetFSRate", [] { TR_SetFSRate(2); }, std::string(kFlagReads) + kFlagWrites},
        {"GetFSDayOfYear", [] { TR_GetFSDayOfYear(); }, "R580/2 "},
        {"GetFSYear", [] { TR_GetFSYear(); }, "R582/2 "},
        {"GetFSSeason", [] { TR_GetFSSeason(); }, "R590/2 "},
        {"SetFSSEason", [] { TR_SetFSSEason(9); }, kDateReads},
        {"GetFSSpeedIAS", [] { TR_GetFSSpeedIAS(); }, "R700/4 "},
        {"GetFSSpeedTAS", [] { TR_GetFSSpeedTAS(); }, "R696/4 "},
        {"GetFSSpeedGS", [] { TR_GetFSSpeedGS(); }, "R692/4 "},
        {"SetFSSpeedTAS", [] { TR_SetFSSpeedTAS(100); }, kSpeedReads},
        {"GetFSHdg", [] { TR_GetFSHdg(); }, "R1408/4 "},
        // Slew off: switched on around the heading write.
        {"SetFSHdg", [] { TR_SetFSHdg(10); },
         std::string("R1492/1 ") + kFlagReads + kFlagWrites + "W1408/4 " + kFlagReads + kFlagWrites},
    };
    for (const auto& test : cases) {
        receiver_.clearRequests();
        test.call();
        EXPECT_EQ(receiver_.requests(), test.expected) << test.name;
    }
    receiver_.put<std::uint8_t>(kSlew, 1);
    receiver_.clearRequests();
    TR_SetFSHdg(10);
    EXPECT_EQ(receiver_.requests(), "R1492/1 W1408/4 ");
}

TEST_F(RequestSequenceTest, SettersReturnTheResultOfTheirLastWrite) {
    const struct {
        const char* name;
        int (*call)();
        std::uint32_t refused;
        int expected;
    } cases[] = {
        {"SetFSLat, last refused", [] { return TR_SetFSLat(10.0); }, kLongitudeLow, 0},
        {"SetFSLat, first refused", [] { return TR_SetFSLat(10.0); }, kLatitudeHigh, 1},
        {"SetFSSmoke, last refused", [] { return TR_SetFSSmoke(1); }, kRate, 0},
        {"SetFSSmoke, first refused", [] { return TR_SetFSSmoke(1); }, kSlew, 1},
        {"SetFSHdg, final slew update refused", [] { return TR_SetFSHdg(10.0); }, kRate, 0},
        {"SetFSHdg, heading refused", [] { return TR_SetFSHdg(10.0); }, kHeading, 1},
        {"SetFSSec", [] { return TR_SetFSSec(1); }, kHour, 0},
        {"SetFSAltF", [] { return TR_SetFSAltF(1.0); }, kAltitude, 0},
        {"SetFSAltF, nothing refused", [] { return TR_SetFSAltF(1.0); }, kOffsetLimit, 1},
    };
    for (const auto& test : cases) {
        receiver_.refuseWritesAt(test.refused);
        EXPECT_EQ(test.call(), test.expected) << test.name;
    }
}

TEST_F(RequestSequenceTest, WriteHandsBackWhatTheSimulatorHolds) {
    // The simulator keeps altitudes below 0x10000 metres only.
    receiver_.onWrite([](std::uint8_t* globals) { globals[kAltitude + 2] = globals[kAltitude + 3] = 0; });
    std::uint8_t bytes[4] = {0x12, 0x34, 0x56, 0x78};
    unsigned got = 0;
    EXPECT_EQ(TR_Write(bytes, sizeof bytes, &got, kAltitude), 1);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::memcmp(bytes, "\x12\x34\x00\x00", 4), 0);
    EXPECT_EQ(receiver_.hex(kAltitude, 4), "12340000");
}

TEST_F(RequestSequenceTest, GettersConvertTheStoredUnits) {
    receiver_.put<std::int32_t>(kHeading, static_cast<std::int32_t>(0xC0000000u));
    receiver_.put<std::int32_t>(kGroundSpeed, 65536 * 10);
    receiver_.put<std::int32_t>(kIndicatedAirspeed, 128 * 250 + 64);
    receiver_.put<std::uint32_t>(kAltitude, 0xFFFFFFFFu);  // read as unsigned
    receiver_.put<std::int32_t>(kLatitudeHigh, 5000875);
    receiver_.put<std::int32_t>(kLatitudeLow, -(1 << 30));
    receiver_.put<std::int32_t>(kLongitudeHigh, -(1 << 30));
    receiver_.put<std::int32_t>(kLongitudeLow, 1 << 30);
    receiver_.put<std::uint16_t>(kRate, 64);
    const struct {
        const char* name;
        double value;
        double expected;
    } cases[] = {
        {"heading", TR_GetFSHdg(), -90.0},
        {"ground speed", TR_GetFSSpeedGS(), 655360 * 0.000029660713080453565},
        {"indicated airspeed", TR_GetFSSpeedIAS(), 250.5},
        {"altitude in metres", TR_GetFSAltM(), 4294967295.0},
        {"altitude in feet", TR_GetFSAltF(), 4294967295.0 * 3.281},
        // The low part counts against the high part: 45 degrees and a quarter unit more.
        {"latitude", TR_GetFSLat(), 45.0 + 0.25 * 90.0 / 10001750.0},
        {"longitude", TR_GetFSLon(), -90.0 + 0.25 * 360.0 / 4294967296.0},
        {"rate", TR_GetFSRate(), 0.25},
    };
    for (const auto& test : cases) EXPECT_DOUBLE_EQ(test.value, test.expected) << test.name;
}

TEST_F(RequestSequenceTest, SettersStoreTheLowBitsOfTheirValue) {
    EXPECT_EQ(TR_SetFSTime(0x117, 2, 3), 1);
    EXPECT_EQ(receiver_.hex(kHour, 3), "170203");
    EXPECT_EQ(TR_SetFSPause(0x201), 1);
    EXPECT_EQ(receiver_.hex(kPause, 1), "01");
    EXPECT_EQ(TR_SetFSHdg(450.0), 1);  // a turn and a quarter
    EXPECT_EQ(receiver_.hex(kHeading, 4), "00000040");
    EXPECT_EQ(TR_SetFSAltF(-10.0), 1);  // -3.05 m, truncated to -3
    EXPECT_EQ(receiver_.hex(kAltitude, 4), "fdffffff");
}

}  // namespace
}  // namespace simlink
