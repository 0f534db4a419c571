// Stepping through the compiler's errors in the build list. An error line holds the
// document's path, a blank, the line number, a colon and the message; paths may hold
// blanks, so the path is taken to end at the first blank at or after the length of the
// path that the list was made for (remembered with the list, whichever document is
// current when the user steps).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct ErrorLocation {
    std::string path;
    long long lineNumber = 0;  // as written: it may be 0, negative or past the end
    bool operator==(const ErrorLocation&) const = default;
};

// The file and line that a list line names; nullopt for a line that names none.
std::optional<ErrorLocation> ParseErrorLine(std::string_view line, std::string_view listedPath);

struct ErrorStep {
    int listLine = 0;
    ErrorLocation location;
};

// From the list line at index (0 when it is past the last), the first line naming a file
// that exists, going forward, or backward when asked; nullopt when an end of the list is
// reached first. visited is called with each line looked at, in order.
std::optional<ErrorStep> FindError(const std::vector<std::string>& lines, int index, bool backward,
                                   std::string_view listedPath, const std::function<bool(const std::string&)>& exists,
                                   const std::function<void(int)>& visited = {});

// The index from which the previous error is looked for: two lines back from the next
// one's, wrapping to the last line.
int PreviousErrorIndex(int index, int lineCount);

}  // namespace quillet
