// PLATFORM_API marks what the QuilletPlatform shared library exports (the build hides
// every other symbol).
#pragma once
#define PLATFORM_API __attribute__((visibility("default")))
