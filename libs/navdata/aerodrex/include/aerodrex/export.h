// Export mark of the Aerodrex library (airport record lines and the airport list).
#pragma once
#define AERODREX_API __attribute__((visibility("default")))
