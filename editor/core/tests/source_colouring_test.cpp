#include "quillet/source_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "quillet/command_list.h"

namespace quillet {
namespace {

using Pieces = std::vector<std::pair<std::string, ColourKind>>;

constexpr ColourKind kPlain = ColourKind::Plain;
constexpr ColourKind kCommand = ColourKind::CommandOrLabel;
constexpr ColourKind kComment = ColourKind::Comment;
constexpr ColourKind kQuoted = ColourKind::Quoted;

const CommandList& Commands() {
    static const CommandList commands({CommandField("IF"), CommandField("GOSUB"), CommandField("SETTIMER")});
    return commands;
}

Pieces Colour(const std::string& line) {
    Pieces pieces;
    for (const ColourSpan& span : ColourLine(line, Commands()))
        pieces.emplace_back(line.substr(span.start, span.length), span.kind);
    return pieces;
}

TEST(SourceColouringTest, EachTokenTakesTheColourOfItsKind) {
    struct Case {
        std::string line;
        Pieces expected;
    };
    const Case cases[] = {
        {"IF a > 2", {{"IF ", kCommand}, {"a > 2", kPlain}}},
        {"if a", {{"if ", kCommand}, {"a", kPlain}}},
        {"start:", {{"start:", kCommand}}},
        {"subRemoveGear:", {{"subRemoveGear:", kCommand}}},
        {"\tGOSUB subRemoveGear", {{"\t", kPlain}, {"GOSUB ", kCommand}, {"subRemoveGear", kPlain}}},
        {"SETTIMER(5)", {{"SETTIMER", kCommand}, {"(5)", kPlain}}},
        // A quoted semicolon is quoted text; the semicolon after the quotes starts the comment.
        {"Say \"a;b\" ; remark", {{"Say \"", kPlain}, {"a;b\"", kQuoted}, {" ", kPlain}, {"; remark", kComment}}},
        {"\"GOSUB x\"", {{"\"", kPlain}, {"GOSUB x\"", kQuoted}}},
        {"' whole line", {{"' whole line", kComment}}},
        {"x = 1 ; IF \"", {{"x = 1 ", kPlain}, {"; IF \"", kComment}}},
        // "rem" is a comment only as a word behind a blank or at the start.
        {"rem a comment", {{"rem a comment", kComment}}},
        {"REM", {{"REM", kComment}}},
        {"\t\trem x", {{"\t\t", kPlain}, {"rem x", kComment}}},
        {"a rem b", {{"a ", kPlain}, {"rem b", kComment}}},
        {"x = remote", {{"x = remote", kPlain}}},
        {"x=rem", {{"x=rem", kPlain}}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Colour(c.line), c.expected) << c.line;
}

TEST(SourceColouringTest, LinesOf256CharactersOrMoreAreColouredWholeAsLongLines) {
    const std::string longLine = "IF " + std::string(297, 'x');
    EXPECT_EQ(Colour(longLine), (Pieces{{longLine, ColourKind::LongLine}}));
    const std::string justShort = "' " + std::string(kLongLineLength - 3, 'x');
    EXPECT_EQ(Colour(justShort), (Pieces{{justShort, kComment}}));
}

TEST(SourceColouringTest, KindsHaveTheirColours) {
    const std::pair<ColourKind, std::uint32_t> colours[] = {
        {kPlain, 0x000000},
        {kCommand, 0xFF0000},
        {kComment, 0x00C300},
        {kQuoted, 0x0000DC},
        {ColourKind::LongLine, 0x0000FF},
    };
    for (const auto& [kind, colour] : colours) EXPECT_EQ(ColourValue(kind), colour) << static_cast<int>(kind);
}

}  // namespace
}  // namespace quillet
