// Export marker of the Scenrix library: the build hides every symbol that lacks it.
#pragma once

#define SCENRIX_API __attribute__((visibility("default")))
