// Export macro of the planner's route library (route model, route file, scroll arithmetic).
#pragma once
#define ROUTE_API __attribute__((visibility("default")))
