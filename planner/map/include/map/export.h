// Export macro of the planner's navigation arithmetic.
#pragma once
#define NAVMATH_API __attribute__((visibility("default")))
