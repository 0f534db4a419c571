// Where Wx finds its rules file: AdvWx.rul in the suite's base directory (the shared
// settings key's FILES\Directory, "C:\Quillet\" by default).
#pragma once

#include <string>

namespace wx {

std::string RulesFilePath();

}  // namespace wx
