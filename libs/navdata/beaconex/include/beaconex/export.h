// Export mark of the Beaconex library (navaid and ILS record lines and the navaid list).
#pragma once
#define BEACONEX_API __attribute__((visibility("default")))
