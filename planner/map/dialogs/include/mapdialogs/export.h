// Export macro of the planner map's dialogs.
#pragma once
#define MAPDIALOGS_API __attribute__((visibility("default")))
