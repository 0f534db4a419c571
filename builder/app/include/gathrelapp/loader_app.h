// Gathrel, the database builder: one modal "Airport/Navaid Loader" sheet over the base
// directory of the suite's settings; when it closes, the paths of the two databases are
// stored for the planner.
#pragma once

#include <string>

namespace gathrelapp {

inline constexpr const char* kMainWindowClass = "GathrelLoaderSheet";

class CLoaderApp {
public:
    // Runs the sheet; returns the program's exit code.
    int Run();

    // FILES/Directory (default "C:\Quillet\") with exactly one final backslash.
    static std::string BaseDirectory();
};

}  // namespace gathrelapp
