// The storage of replaced lines kept for later scans: what is kept and given back, and
// lines composed in storage that held other text are the lines composed afresh.
#include "scenrix/line_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fsinstall/sample_world.h"
#include "fsinstall/scenery_writer.h"
#include "scenery_test_support.h"

namespace scenrix::testing {
namespace {

constexpr LineKind kKinds[] = {LineKind::Navaid, LineKind::Airport, LineKind::Ils};

void EmptyStorage() {
    for (const LineKind kind : kKinds) KeepLineStorage(kind, {});
}

std::vector<std::string> Strings(const std::vector<std::size_t>& sizes, char fill) {
    std::vector<std::string> strings;
    for (const std::size_t size : sizes) strings.emplace_back(size, fill);
    return strings;
}

TEST(LineStorageTest, StorageTooSmallAndStorageLeftUnusedComeBack) {
    EmptyStorage();
    // Airport lines take 336 bytes with their line feed.
    std::vector<std::string> given = KeepLineStorage(LineKind::Airport, Strings({400, 335, 336, 20}, 'x'));
    ASSERT_EQ(given.size(), 2u);
    for (const std::string& line : given) EXPECT_LT(line.capacity(), 336u);
    // The two kept, never used, come back when others are kept in their place.
    given = KeepLineStorage(LineKind::Airport, Strings({500}, 'y'));
    ASSERT_EQ(given.size(), 2u);
    for (const std::string& line : given) EXPECT_GE(line.capacity(), 336u);
    EXPECT_EQ(KeepLineStorage(LineKind::Airport, {}).size(), 1u);
    // Each kind is kept apart: ILS lines need only 92 bytes.
    EXPECT_TRUE(KeepLineStorage(LineKind::Ils, Strings({92, 200}, 'z')).empty());
    EXPECT_TRUE(KeepLineStorage(LineKind::Navaid, {}).empty());
    EXPECT_EQ(KeepLineStorage(LineKind::Ils, {}).size(), 2u);
}

class LineStorageScanTest : public SceneryReaderFixture {
protected:
    void TearDown() override { EmptyStorage(); }
};

// Kept storage holds the text of other lines, longer and shorter than the new ones.
TEST_F(LineStorageScanTest, LinesComposedInKeptStorageAreTheLinesComposedAfresh) {
    EmptyStorage();
    const std::vector<std::uint8_t> file =
        fsinstall::WriteSceneryFile(fsinstall::SampleWorld(), fsinstall::Compression::Plain);
    Read(file);
    const std::vector<std::string> navaids = navaids_, airports = airports_, ils = ils_;
    ASSERT_FALSE(navaids.empty());
    ASSERT_FALSE(airports.empty());
    ASSERT_FALSE(ils.empty());
    for (const LineKind kind : kKinds) {
        std::vector<std::string> old = Strings({600, 600, 600, 600}, '#');
        for (std::size_t i = 0; i < old.size(); i += 2) old[i].resize(3);  // storage large, text short
        ASSERT_TRUE(KeepLineStorage(kind, std::move(old)).empty());
    }
    navaids_.clear();
    airports_.clear();
    ils_.clear();
    Read(file);
    EXPECT_EQ(navaids_, navaids);
    EXPECT_EQ(airports_, airports);
    EXPECT_EQ(ils_, ils);
}

}  // namespace
}  // namespace scenrix::testing
