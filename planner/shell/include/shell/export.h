// Export macro of the suite's settings table.
#pragma once
#define SETTINGS_API __attribute__((visibility("default")))
