// Export macro of the planner's map view library.
#pragma once
#define MAPVIEW_API __attribute__((visibility("default")))
