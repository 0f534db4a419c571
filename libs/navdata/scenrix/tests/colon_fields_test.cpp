#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenrix/colon_fields.h"

namespace {

std::string Field(int n, const char* line) {
    char out[scenrix::kColonFieldCapacity];
    GetStrAfterNColon(n, line, out);
    return out;
}

struct FieldCase {
    const char* line;
    int n;
    const char* expected;
};

TEST(GetStrAfterNColon, SplitsColonClosedFields) {
    const FieldCase cases[] = {
        {"abc:", 0, "abc"},
        {"abc:", 1, ""},  // a single ":" closes field 0 only
        {"no colons", 0, ""},
        {"no colons", 1, ""},
        {"t01=R:word:", 0, "R"},  // a key's "=" before the first ":"
        {"t01=R:word:", 1, "word"},
        {"t01=R:word:", 2, ""},
        {"ab:c=d:", 0, ""},  // "=" only after the first ":"
        {"ab:c=d:", 1, "c=d"},
        {"a:b:tail", 1, "b"},
        {"a:b:tail", 2, ""},  // the text after the last ":" is no field
        {"::", 0, ""},
        {"::", 1, ""},
        {"a:b:", -1, ""},
        {"a:b:", INT_MAX, ""},
        {nullptr, 0, ""},
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(Field(c.n, c.line), c.expected) << (c.line ? c.line : "null") << " field " << c.n;
    }
}

TEST(GetStrAfterNColon, ReadsAllEighteenFieldsOfALegLine) {
    std::string line = "t05=";
    for (int n = 0; n < 18; ++n) {
        line += 'f';
        line += std::to_string(n);
        line += ':';
    }
    line += "\n";
    for (int n = 0; n < 18; ++n) {
        EXPECT_EQ(Field(n, line.c_str()), std::to_string(n).insert(0, 1, 'f'));
    }
    EXPECT_EQ(Field(18, line.c_str()), "");
}

// Guard bytes behind the output show any write past its end.
class BoundedOutput : public testing::Test {
protected:
    static constexpr char kGuard = '#';
    static constexpr std::size_t kGuardSize = 16;

    char* Prepare(std::size_t size) {
        buffer_.assign(size + kGuardSize, kGuard);
        size_ = size;
        return buffer_.data();
    }
    bool GuardIntact() const {
        for (std::size_t i = size_; i < buffer_.size(); ++i) {
            if (buffer_[i] != kGuard) {
                return false;
            }
        }
        return true;
    }

    std::vector<char> buffer_;
    std::size_t size_ = 0;
};

TEST_F(BoundedOutput, ThreeArgumentFormCutsALongField) {
    const std::string line = "key=" + std::string(1000, 'x') + ":";
    char* out = Prepare(scenrix::kColonFieldCapacity);
    GetStrAfterNColon(0, line.c_str(), out);
    EXPECT_EQ(std::strlen(out), scenrix::kColonFieldCapacity - 1);
    EXPECT_TRUE(GuardIntact());
}

TEST_F(BoundedOutput, SizedFormKeepsToItsSize) {
    char* out = Prepare(4);
    GetStrAfterNColon(1, "a:abcdef:", out, 4);
    EXPECT_STREQ(out, "abc");
    EXPECT_TRUE(GuardIntact());

    out = Prepare(0);
    GetStrAfterNColon(1, "a:abcdef:", out, 0);
    EXPECT_TRUE(GuardIntact());
}

}  // namespace
