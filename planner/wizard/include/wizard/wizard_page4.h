// The wizard's fourth page, "Weather". Basic mode: a few exclusive choices that Flitmark
// turns into a one-record weather file. Advanced mode: a weather made in the weather
// editor (started on the base directory's scratch file AdvWx.wx) or a .wx file copied.
// Create adventure asks the page for the adventure's weather file.
#pragma once

#include <string>

#include "adf/values/plane.h"
#include "adf/values/weather.h"
#include "platform/process.h"
#include "qtplatform/property_page.h"

namespace trevalo {

inline constexpr const char* kSelectWeatherToCopyMessage = "Please Select a weather file to copy";
inline constexpr const char* kWeatherCannotBeUsedMessage =
    "The Weather file selected cannot be used.\nPlease select another file";
inline constexpr const char* kWeatherEditorActiveQuestion =
    "You selected to create a Weather but the application is still active.\nWould you like to continue creating the "
    "weather\n\nIf you press 'NO' the created weather will be saved and used.\nIf you press 'YES' the system will "
    "take you to the Weather application.\n\tand you will be able to cancel the weather if you wish";
inline constexpr const char* kWeatherProgramMissingMessage =
    "The weather program could not be found.\nPlease update your configuration file.\nYou cannot create an advanced "
    "weather.\n";
inline constexpr const char* kWeatherFileFilter = "Weather files|*.wx||";

class CWizardPage4 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kNoWind = 1014,
        kNoTurbulence = 1016,
        kNoRain = 1020,
        kLightRain = 1023,
        kLightWind = 1029,
        kLightTurbulence = 1033,
        kHeavyTurbulence = 1036,
        kBasic = 1149,
        kAdvanced = 1150,
        kNoVisibility = 1151,
        kGoodVisibility = 1152,
        kAverageVisibility = 1153,
        kNoClouds = 1154,
        kLightClouds = 1155,
        kVeryCloudy = 1156,
        kCreateWeatherButton = 1157,
        kCopyWeatherButton = 1158,
        kCreateChoice = 1159,
        kReset = 1160,
        kAdvancedFrame = 1161,
        kBasicFrame = 1162,
        kCopyChoice = 1163,
        kTemperature = 1164,
        kTemperatureLabel = 1165,
        kVariation = 1166,
        kVariationLabel = 1167,
        kBaseAltitude = 1168,
        kThunderstorm = 1170,
    };

    // plane: the plane page's values, whose cruising altitude lifts the clouds.
    CWizardPage4(adf::WeatherValues& values, const adf::PlaneValues& plane);
    // Closes the weather editor this page started and removes its scratch file.
    ~CWizardPage4() override;

    // The adventure's weather file beside the definition; false when none was made.
    bool CreateWeatherFile(const std::string& definitionPath);
    // The flight plan's highest altitude.
    void SetBaseAltitude(int feet);
    // Starts the weather editor on the scratch file, or brings it forward when it runs.
    void StartWeatherEditor();
    // The values changed from outside (File > New, a definition read): shown again.
    void ShowValues();
    // Algorithm of the Reset button: calm and clear, temperature and mode kept.
    void ResetWeather();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    // A handler's frame: the controls read, the change made, the controls written.
    template <class Change>
    void Apply(Change change);
    void ApplyEnablingRule();
    void Choose(std::initializer_list<int adf::WeatherValues::*> group, int adf::WeatherValues::*chosen);
    void ChooseNoRain();
    void ChooseNoTurbulence();
    void ChooseNoClouds();
    void LightCloudsInsteadOfNone();
    void ChooseCopyFile();
    void NormaliseNumber(int id);
    bool CopyChosenWeather(const std::string& weatherFile);
    bool TakeEditorWeather(const std::string& weatherFile);
    std::string BaseDirectory() const;

    adf::WeatherValues& values_;
    const adf::PlaneValues& plane_;
    platform::Process editor_;
    bool editorStarted_ = false;
};

}  // namespace trevalo
