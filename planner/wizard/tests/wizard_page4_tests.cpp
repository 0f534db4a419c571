// The weather page through its controls: the exclusive choices, the two modes, the base
// altitude, the numbers, the weather file made for Create adventure, and the weather
// editor started on the scratch file through the program-start seam.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/file_search.h"
#include "platform/process.h"
#include "qtplatform/file_chooser.h"
#include "shell/settings.h"
#include "wizard_sheet_fixture.h"
#include "wx/wx_file.h"

namespace trevalo {
namespace {

using Page = CWizardPage4;

constexpr const char* kDefinition = "C:\\Quillet\\Trip\\Trip.adf";

class WeatherPageTest : public testing::WizardSheetTest {
protected:
    void SetUp() override {
        world_.WriteBaseFile("Trip/Trip.adf", "definition");
        Open(3);
    }
    CWizardPage4& Weather() const { return static_cast<CWizardPage4&>(*page_); }
    adf::WeatherValues& Model() const { return Values().weather; }
    bool Checked(int id) const { return Control<QAbstractButton>(id)->isChecked(); }
    void Advanced(bool copy) {
        Click(Page::kAdvanced);
        Click(copy ? Page::kCopyChoice : Page::kCreateChoice);
    }
    std::string Text(int id) const { return Control<QLineEdit>(id)->text().toStdString(); }
};

TEST_F(WeatherPageTest, EachChoiceIntoTheModelAndBack) {
    Click(Page::kLightWind);
    Click(Page::kAverageVisibility);
    Click(Page::kVeryCloudy);
    Click(Page::kHeavyTurbulence);
    Control<QLineEdit>(Page::kTemperature)->setText(QStringLiteral("20"));
    Control<QLineEdit>(Page::kVariation)->setText(QStringLiteral("9"));
    LeavePage();
    EXPECT_EQ(Model().noWind, 0);
    EXPECT_EQ(Model().lightWind, 1);
    EXPECT_EQ(Model().goodVisibility, 0);
    EXPECT_EQ(Model().averageVisibility, 1);
    EXPECT_EQ(Model().noClouds, 0);
    EXPECT_EQ(Model().veryCloudy, 1);
    EXPECT_EQ(Model().noTurbulence, 0);
    EXPECT_EQ(Model().heavyTurbulence, 1);
    EXPECT_EQ(Model().temperature, 20);
    EXPECT_EQ(Model().dayTimeVariation, 9);

    Model() = adf::WeatherValues{};
    Model().mode = adf::kAdvancedWeatherMode;
    Model().createWeather = 0;
    Model().copyWeather = 1;
    Model().temperature = -3;
    Weather().ShowValues();
    EXPECT_TRUE(Checked(Page::kAdvanced));
    EXPECT_FALSE(Checked(Page::kBasic));
    EXPECT_TRUE(Checked(Page::kCopyChoice));
    EXPECT_FALSE(Checked(Page::kCreateChoice));
    EXPECT_TRUE(Checked(Page::kNoWind));
    EXPECT_FALSE(Checked(Page::kVeryCloudy));
    EXPECT_EQ(Text(Page::kTemperature), "-3");
}

TEST_F(WeatherPageTest, ChoicesKeepEachGroupExclusiveAndCloudsWithRain) {
    // Rain and turbulence bring light clouds; no clouds takes both away again.
    Click(Page::kLightRain);
    EXPECT_TRUE(Checked(Page::kLightClouds));
    EXPECT_FALSE(Checked(Page::kNoClouds));
    EXPECT_FALSE(Checked(Page::kNoRain));
    Click(Page::kLightTurbulence);
    Click(Page::kNoClouds);
    EXPECT_TRUE(Checked(Page::kNoRain));
    EXPECT_TRUE(Checked(Page::kNoTurbulence));
    EXPECT_FALSE(Checked(Page::kLightRain));
    EXPECT_FALSE(Checked(Page::kLightTurbulence));
    // A chosen box clicked again stays chosen.
    Click(Page::kNoClouds);
    EXPECT_TRUE(Checked(Page::kNoClouds));
    // Wind: exactly one of the two, whichever is clicked.
    Click(Page::kNoWind);
    EXPECT_TRUE(Checked(Page::kLightWind));
    EXPECT_FALSE(Checked(Page::kNoWind));
    Click(Page::kLightWind);
    EXPECT_TRUE(Checked(Page::kNoWind));
    Click(Page::kNoVisibility);
    EXPECT_FALSE(Checked(Page::kGoodVisibility));
    Click(Page::kThunderstorm);
    Click(Page::kReset);
    EXPECT_TRUE(Checked(Page::kGoodVisibility));
    EXPECT_TRUE(Checked(Page::kNoClouds));
    EXPECT_FALSE(Checked(Page::kThunderstorm));
}

TEST_F(WeatherPageTest, TheModeEnablesItsOwnControls) {
    const std::vector<int> basic = {Page::kNoWind, Page::kThunderstorm, Page::kTemperature, Page::kReset};
    for (int id : basic) EXPECT_TRUE(Control(id)->isEnabled()) << id;
    EXPECT_FALSE(Control(Page::kCreateWeatherButton)->isEnabled());
    Advanced(true);
    for (int id : basic) EXPECT_FALSE(Control(id)->isEnabled()) << id;
    EXPECT_FALSE(Control(Page::kCreateWeatherButton)->isEnabled());
    EXPECT_TRUE(Control(Page::kCopyWeatherButton)->isEnabled());
    Click(Page::kCreateChoice);
    EXPECT_TRUE(Control(Page::kCreateWeatherButton)->isEnabled());
    EXPECT_FALSE(Control(Page::kCopyWeatherButton)->isEnabled());
    Click(Page::kBasic);
    EXPECT_TRUE(Control(Page::kNoWind)->isEnabled());
    EXPECT_EQ(Model().mode, adf::kBasicWeatherMode);
}

TEST_F(WeatherPageTest, TheBaseAltitudeIsShownRounded) {
    const std::pair<int, const char*> cases[] = {
        {999, "Base Alt: 0 (Feet)"}, {9999, "Base Alt: 9000 (Feet)"}, {12500, "Base Alt: 10000 (Feet)"}};
    for (const auto& [feet, text] : cases) {
        Weather().SetBaseAltitude(feet);
        EXPECT_EQ(Control<QLabel>(Page::kBaseAltitude)->text().toStdString(), text);
    }
    EXPECT_EQ(Model().baseAltitude, 10000);
}

TEST_F(WeatherPageTest, ANumberLeftIsWrittenAsItsWholeValue) {
    const std::pair<const char*, const char*> cases[] = {{"12abc", "12"}, {"-7", "-7"}, {"x", "0"}, {" 40", "40"}};
    for (const auto& [typed, shown] : cases) {
        auto* edit = Control<QLineEdit>(Page::kTemperature);
        edit->setText(QString::fromLatin1(typed));
        emit edit->editingFinished();
        EXPECT_EQ(Text(Page::kTemperature), shown) << typed;
    }
}

TEST_F(WeatherPageTest, BasicWeatherIsWrittenBesideAnExistingDefinition) {
    EXPECT_FALSE(Weather().CreateWeatherFile("C:\\Quillet\\None\\None.adf"));
    Control<QLineEdit>(Page::kTemperature)->setText(QStringLiteral("20"));
    ASSERT_TRUE(Weather().CreateWeatherFile(kDefinition));
    // 20 F is -5 C, not a wrapped unsigned number.
    wx::WxRecord record;
    ASSERT_EQ(wx::ReadFileRecord("C:\\Quillet\\Trip\\trip.wx", 0, record), wx::WxError::None);
    ASSERT_FALSE(record.temperatures.empty());
    EXPECT_EQ(record.temperatures[0].dayTemperature, -5.0F);
    // The page keeps its Fahrenheit.
    EXPECT_EQ(Text(Page::kTemperature), "20");
}

TEST_F(WeatherPageTest, ACopiedWeatherIsMadeOnlyFromAFileThatCanBeRead) {
    world_.WriteBaseFile("Storm.wx", "storm weather");
    Advanced(true);
    {
        // None chosen yet: asked for, then copied.
        qtplatform::FileChooserRecorder chooser({std::string("C:\\Quillet\\Storm.wx")});
        EXPECT_TRUE(Weather().CreateWeatherFile(kDefinition));
        EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kSelectWeatherToCopyMessage}));
        ASSERT_EQ(chooser.requests().size(), 1u);
        EXPECT_EQ(chooser.requests()[0].filter, kWeatherFileFilter);
        EXPECT_EQ(world_.ReadBaseFile("Trip/trip.wx"), "storm weather");
    }
    boxes_.clear();
    {
        qtplatform::FileChooserRecorder cancelled;
        Model().fileToCopy = "C:\\Quillet\\Gone.wx";
        EXPECT_FALSE(Weather().CreateWeatherFile(kDefinition));
        EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kWeatherCannotBeUsedMessage}));
        EXPECT_TRUE(Model().fileToCopy.empty());
        EXPECT_FALSE(Weather().CreateWeatherFile(kDefinition));
    }
}

TEST_F(WeatherPageTest, CreateWeatherStartsTheEditorOnTheQuotedScratchFile) {
    Settings().WriteString(SettingId::Directory, "C:\\My Base");
    Settings().WriteString(SettingId::Weather, "C:\\Quillet\\Wx.exe");
    world_.WriteBaseFile("Wx.exe", "stand-in");
    Advanced(false);
    platform::ProgramStartRecorder starts;
    Click(Page::kCreateWeatherButton);
    ASSERT_EQ(starts.requests().size(), 1u);
    EXPECT_EQ(starts.requests()[0].program, "C:\\Quillet\\Wx.exe");
    EXPECT_EQ(starts.requests()[0].arguments, "l:\"C:\\My Base\\AdvWx.wx\"");
    EXPECT_EQ(starts.requests()[0].workingFolder, "C:\\Quillet\\");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(WeatherPageTest, AnEditorWeatherNeverSavedMakesNoFile) {
    world_.WriteBaseFile("Wx.exe", "stand-in");
    Advanced(false);
    platform::ProgramStartRecorder starts;
    EXPECT_FALSE(Weather().CreateWeatherFile(kDefinition));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kWeatherCannotBeUsedMessage}));
    EXPECT_EQ(starts.requests().size(), 1u);
    world_.WriteBaseFile("AdvWx.wx", "edited weather");
    EXPECT_TRUE(Weather().CreateWeatherFile(kDefinition));
    EXPECT_EQ(world_.ReadBaseFile("Trip/trip.wx"), "edited weather");
}

TEST_F(WeatherPageTest, AMissingWeatherProgramIsReported) {
    Settings().WriteString(SettingId::Weather, "C:\\Nowhere\\Nothing.exe");
    Advanced(false);
    platform::ProgramStartRecorder starts;
    Click(Page::kCreateWeatherButton);
    EXPECT_TRUE(starts.requests().empty());
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kWeatherProgramMissingMessage}));
}

}  // namespace
}  // namespace trevalo
