// Read-only view of an adventure definition (.adf): its lines, read once, with an
// index of its key lines so that every lookup is a table access instead of a rescan.
//
// A key line is a tab, a section name, an underscore, a code and a colon
// ("\tTITLE_000:", "\tALT_CHANGE_107U:", "\tDESC_904_BEG:"), or a route section line
// "NAVAIDINFO_300:". A code names a key line only when the line ends with it: "_600"
// is the key of "NAVAIDINFO_600:" and not of "\tCORRECT_LAT_6000:", "_100" that of
// "\tALWAYSPOS_100:" and not of "\tEMERG_1000:". A code may be given without its
// underscore ("002"); it then still has to follow one. For files written by the suite
// this gives the first key line that a plain substring search in file order finds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace adf {

// True when line is the key line of code (see above).
bool IsKeyLineOf(std::string_view line, std::string_view code);
// True when line has the shape of a key line of any code.
bool IsKeyLine(std::string_view line);

class Definition {
public:
    // Reads the file at a Windows path; false when it cannot be read.
    bool Load(const std::string& windowsPath);
    void SetLines(std::vector<std::string> lines);

    const std::vector<std::string>& Lines() const { return lines_; }
    // The line at index i, or an empty text past the end.
    const std::string& Line(size_t i) const;

    // Index of the first key line of code.
    std::optional<size_t> FindKey(std::string_view code) const;
    // Every key line of code, in file order.
    const std::vector<size_t>& FindKeys(std::string_view code) const;

    // The n-th line after the first key line of code (n = 1: its value); empty when the
    // key is missing or the file ends first.
    std::string Value(std::string_view code, size_t n = 1) const;
    bool HasKey(std::string_view code) const { return FindKey(code).has_value(); }
    // A key's option is set when its value is not exactly "0"; a missing key is not set.
    bool IsOptionSet(std::string_view code) const;

    // The lines between the first key line of code (a "_BEG" key) and the key line of
    // its "_END" code, each followed by "\n", trailing white space removed; the rest of
    // the file when the end is missing.
    std::string Block(std::string_view code) const;

    // Index of the first line at or after from that contains text.
    std::optional<size_t> FindLineContaining(std::string_view text, size_t from = 0) const;

private:
    void BuildIndex();

    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::vector<size_t>> keys_;
};

}  // namespace adf
