// Create adventure: what the wizard holds becomes an adventure in its own folder of the
// base directory (definition, source, flight, flight plan, weather, briefing), compiled
// and copied into the simulator's folders as the settings say (install_step.h).
//
//   AdventureGenerator generator;   // one per wizard sheet: the libraries stay loaded
//   generator.CreateAdventure({values, flightPlan, baseDirectory, routeFile, compile, weather,
//                              showPage});
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "adf/wizard_values.h"
#include "flightplan/flight_plan.h"
#include "generation/bound_function.h"
#include "generation/install_step.h"
#include "textorin/create_txt.h"

namespace trevalo {

// The wizard's pages, numbered from 1, that a refusal makes active.
inline constexpr int kGeneralPage = 1;
inline constexpr int kPlanePage = 8;

struct GenerationRequest {
    const adf::WizardValues& values;
    FlightPlan& flightPlan;
    std::string baseDirectory;  // with its final backslash
    std::string routeFilePath;  // map_internal.adf, just written by the map view
    // The compile step: true when the compiled adventure is beside the source.
    std::function<bool(const std::string& sourcePath)> compile;
    // The weather page's file (<title>.wx beside the definition); true when made.
    std::function<bool(const std::string& adfPath)> createWeatherFile;
    // Makes a page of the wizard active.
    std::function<void(int page)> showPage;
};

class AdventureGenerator {
public:
    // The libraries' file names (others only in tests).
    explicit AdventureGenerator(std::string textorin = "Textorin.dll", std::string icarune = "Icarune.dll");

    // The whole road; true when the adventure was made and installed, its definition
    // then stored as the last build. Every stop has shown its message.
    bool CreateAdventure(const GenerationRequest& request);

private:
    BoundFunction<CreateTxtFunction> createTxt_;
    BoundFunction<LoadRegFunction> loadReg_;
};

}  // namespace trevalo
