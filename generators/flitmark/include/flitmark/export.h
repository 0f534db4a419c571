// Export mark of the Flitmark library (flight file and basic weather file writers).
#pragma once
#define FLITMARK_API __attribute__((visibility("default")))
