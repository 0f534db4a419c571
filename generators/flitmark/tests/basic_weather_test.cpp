#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>

#include "flitmark/flitmark.h"
#include "platform/paths.h"
#include "testing/temp_environment.h"

namespace {

constexpr const char* kWxPath = "C:\\Quillet\\Trip\\trip.wx";

// The expected file, laid out by offset as the basic weather file's table gives it.
class Layout {
public:
    explicit Layout(bool clouds) : bytes_(clouds ? 140 : 96, '\0') {}
    Layout& Int(size_t offset, int32_t value) { return Put(offset, std::bit_cast<uint32_t>(value)); }
    Layout& Real(size_t offset, float value) { return Put(offset, std::bit_cast<uint32_t>(value)); }
    const std::string& bytes() const { return bytes_; }

private:
    Layout& Put(size_t offset, uint32_t bits) {
        for (size_t i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    std::string bytes_;
};

struct Cloud {
    int32_t type, coverage, turbulence, rainRate;
    float bottom, top;
};

struct WeatherCase {
    const char* name;
    sBasicWeatherStruct weather;
    float windSpeed, windGusts;
    int32_t windTurbulence, windShear;
    float range;
    std::optional<Cloud> cloud;
};

std::string Expected(const WeatherCase& c) {
    const bool clouds = c.cloud.has_value();
    Layout layout(clouds);
    layout.Int(0, 0).Int(4, 1).Int(8, clouds ? 1 : 0).Int(12, 1).Int(16, 0).Int(20, -1).Int(24, 0);
    layout.Real(28, 6562.0f).Real(32, c.windSpeed).Real(36, c.windGusts).Int(40, 0).Int(44, 0);
    layout.Int(48, c.windTurbulence).Int(52, c.windShear);
    layout.Real(56, c.range).Real(60, 0).Real(64, 3047.85f);
    if (clouds) {
        const Cloud& k = *c.cloud;
        layout.Int(68, k.type).Real(72, k.bottom).Real(76, k.top).Int(80, 0).Int(84, k.coverage);
        layout.Int(88, 0).Int(92, k.turbulence).Int(96, 1).Int(100, 0).Int(104, k.rainRate).Int(108, 0);
    }
    const size_t temperature = clouds ? 112 : 68;
    layout.Real(temperature, 0)
        .Real(temperature + 4, static_cast<float>(c.weather.temperature))
        .Real(temperature + 8, static_cast<float>(c.weather.variation))
        .Real(temperature + 12, static_cast<float>(c.weather.temperature));
    const size_t pressure = clouds ? 128 : 84;
    layout.Int(pressure, 0).Real(pressure + 4, 1012.2f).Real(pressure + 8, 15.0f);
    return layout.bytes();
}

sBasicWeatherStruct Weather(bool wind, bool rain, int32_t base, int32_t visibility, int32_t kind, int32_t turbulence) {
    return {kWxPath, wind, rain, base, visibility, kind, turbulence, 21.5, 4.0};
}

class CreateBasicWeatherTest : public ::testing::TestWithParam<WeatherCase> {
protected:
    CreateBasicWeatherTest() { std::filesystem::create_directories(platform::HostPath("C:\\Quillet\\Trip")); }
    static std::string OnDisk() { return platform::testing::TempEnvironment::readFile(platform::HostPath(kWxPath)); }
    platform::testing::TempEnvironment env_;
};

TEST_P(CreateBasicWeatherTest, WritesTheOneRecordFile) {
    ASSERT_TRUE(CreateBasicWeather(GetParam().weather));
    EXPECT_EQ(OnDisk(), Expected(GetParam()));
}

constexpr float kBase3000Bottom = static_cast<float>(3000 * 0.30478513 / 3);

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateBasicWeatherTest,
    ::testing::Values(WeatherCase{"NoCloudsNoWind", Weather(false, false, 0, 0, 0, 0), 0, 0, 0, 0, 48000.0f, {}},
                      WeatherCase{"WindAverageVisibility", Weather(true, false, 0, 1, 0, 0), 16, 24, 3, 2, 5000.0f, {}},
                      WeatherCase{"ThunderstormWithRain", Weather(false, true, 0, 2, 3, 0), 0, 0, 0, 0, 100.0f,
                                  Cloud{10, 8, 0, 5, 1523.93f, 9143.55f}},
                      WeatherCase{"ThunderstormDry", Weather(false, false, 0, 0, 3, 0), 0, 0, 0, 0, 48000.0f,
                                  Cloud{10, 8, 0, 3, 1523.93f, 9143.55f}},
                      WeatherCase{"LowBaseRaisesTheTop", Weather(false, true, 3000, 0, 1, 0), 0, 0, 0, 0, 48000.0f,
                                  Cloud{6, 6, 0, 3, kBase3000Bottom, 4571.78f}},
                      WeatherCase{"HighBaseKeepsTwiceTheBottom", Weather(false, false, 60000, 0, 2, 0), 0, 0, 0, 0,
                                  48000.0f,
                                  Cloud{6, 8, 0, 0, static_cast<float>(60000 * 0.30478513 / 3),
                                        static_cast<float>(2 * (60000 * 0.30478513 / 3))}},
                      WeatherCase{"LightTurbulence", Weather(false, true, 3000, 0, 2, 1), 0, 0, 0, 0, 48000.0f,
                                  Cloud{6, 8, 2, 4, 1500.0f, 4571.78f}},
                      WeatherCase{"HeavyTurbulenceDefaultBase", Weather(false, false, 0, 0, 1, 2), 0, 0, 0, 0, 48000.0f,
                                  Cloud{6, 6, 3, 0, 1500.0f, 9143.55f}}),
    [](const auto& info) { return std::string(info.param.name); });

class CreateBasicWeatherFailure : public CreateBasicWeatherTest {};

TEST_F(CreateBasicWeatherFailure, AReadOnlyOldFileStays) {
    env_.writeFile("drive_c/Quillet/Trip/trip.wx", "old");
    std::filesystem::permissions(platform::HostPath(kWxPath), std::filesystem::perms::owner_read);
    EXPECT_FALSE(CreateBasicWeather(Weather(true, true, 0, 0, 1, 0)));
    EXPECT_EQ(OnDisk(), "old");
}

TEST_F(CreateBasicWeatherFailure, AnOlderFileIsReplaced) {
    env_.writeFile("drive_c/Quillet/Trip/trip.wx", std::string(500, 'x'));
    ASSERT_TRUE(CreateBasicWeather(Weather(false, false, 0, 0, 0, 0)));
    EXPECT_EQ(OnDisk().size(), 96u);
}

// Outside the drives' folders nothing is written, whatever the path says.
TEST_F(CreateBasicWeatherFailure, APathNeverLeavesTheDrivesFolders) {
    const std::filesystem::path outside = env_.root() / "outside";
    std::filesystem::create_directories(outside);
    const std::string escapes[] = {"C:\\Quillet\\..\\..\\outside\\trip.wx", (outside / "trip.wx").string()};
    for (const std::string& path : escapes) {
        sBasicWeatherStruct weather = Weather(false, false, 0, 0, 0, 0);
        weather.path = path.c_str();
        CreateBasicWeather(weather);
        EXPECT_TRUE(std::filesystem::is_empty(outside)) << path;
    }
}

TEST_F(CreateBasicWeatherFailure, NoPathOrNoFolderFails) {
    sBasicWeatherStruct weather = Weather(false, false, 0, 0, 0, 0);
    weather.path = nullptr;
    EXPECT_FALSE(CreateBasicWeather(weather));
    weather.path = "C:\\Missing\\trip.wx";
    EXPECT_FALSE(CreateBasicWeather(weather));
}

}  // namespace
