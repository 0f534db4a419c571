// The flight file as lines of "key=value" under "[section]" headers, and the one edit
// Flitmark makes to it.
#pragma once

#include <string>
#include <vector>

namespace flitmark {

// The first line that contains section and a "[" arms the search; the first later line
// that contains key and no "[" becomes key + "=" + value, and the search ends. A key
// missing from its section is thus looked for in the sections that follow. A value
// that holds "\n" makes further lines. True when a line was replaced.
bool SetFltValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                 const std::string& value);

}  // namespace flitmark
