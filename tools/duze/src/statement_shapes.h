// The shapes of the statements the generator writes with values in them: the
// performance level and number, the key inside KV( ), and the speed an indicated
// airspeed is compared with. A source line that breaks one gets its message.
#pragma once

#include <string>
#include <vector>

namespace duze {

// The messages for one source line as written (strings and comments still in it).
std::vector<std::string> StatementShapeErrors(const std::string& line);

}  // namespace duze
