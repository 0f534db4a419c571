#include "map/pick_list_entry.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(PickListEntryTest, TextsAndEntriesBothWays) {
    const struct {
        const char* text;
        PickListEntry entry;
    } cases[] = {
        {"[L28]KSPF\t(A05,12)Springfield Regional\tISPF",
         {"L28", "KSPF", {kAirportCellKind, 5, 12}, "Springfield Regional", "ISPF"}},
        {"[36]KTHR\t(A06,13)Thirdton", {"36", "KTHR", {kAirportCellKind, 6, 13}, "Thirdton", ""}},
        {"[VOR]SPF\t(N35,00)SPRINGFIELD", {"VOR", "SPF", {kNavaidCellKind, 35, 0}, "SPRINGFIELD", ""}},
        {"[NDB]OT\t(N00,17)", {"NDB", "OT", {kNavaidCellKind, 0, 17}, "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatPickListEntry(c.entry), c.text);
        EXPECT_EQ(ParsePickListEntry(c.text), c.entry);
    }
}

TEST(PickListEntryTest, TheIdentIsReadTrimmed) {
    EXPECT_EQ(ParsePickListEntry("[L28]KSPF  \t(A05,12)Springfield")->ident, "KSPF");
}

TEST(PickListEntryTest, TextsWithoutAnEntrysShapeAreRefused) {
    for (const char* text : {
             "",
             "no entry at all",
             "L28]KSPF\t(A05,12)no opening bracket",
             "[L10]KSPF (A05,12)no tab after the bracket",
             "[L10\tKSPF(A05,12)no closing bracket before the tab",
             "[L10]KSPF\t(X05,12)no cell tag after the tab",
             "<END OF AIRPORTS>",
         }) {
        EXPECT_EQ(ParsePickListEntry(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace trevalo
