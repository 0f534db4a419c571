// The planner's world for the load and route benchmarks: the demo base directory when
// scripts/make-demo has written it, else a generated world of the same size, as drive C.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

inline constexpr char kPlannerBaseDirectory[] = "C:\\Quillet\\";

struct PlannerWorld {
    std::string source;               // "demo" or "generated"
    std::filesystem::path generated;  // removed at exit
    PlannerWorld();
    ~PlannerWorld();
};

// Points drive C at the world once.
const PlannerWorld& ThePlannerWorld();

// The files a load of the world reads, as host paths.
std::vector<std::filesystem::path> PlannerWorldPaths();

}  // namespace bench
