#include "settings/IniNameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mervik {
namespace {

// Names per scope as a document would hold them, positions into these lists.
class IniNameIndexTest : public ::testing::Test {
protected:
    auto NameOf() const {
        return [this](IniNameIndex::Entry e) { return std::string_view(names[e.scope][e.position]); };
    }
    bool Insert(size_t scope, const std::string& name) {
        names[scope].push_back(name);
        if (index.Insert(scope, name, names[scope].size() - 1, NameOf()))
            return true;
        names[scope].pop_back();
        return false;
    }
    std::optional<size_t> Find(size_t scope, std::string_view name) const {
        return index.Find(scope, name, NameOf());
    }

    std::vector<std::string> names[2];
    IniNameIndex index;
};

TEST_F(IniNameIndexTest, EveryNameIsFoundInItsScopeThroughEveryGrowth) {
    EXPECT_FALSE(Find(0, "k0"));
    for (int n = 0; n < 5000; ++n) {
        ASSERT_TRUE(Insert(0, "k" + std::to_string(n)));
        ASSERT_TRUE(Insert(1, "K" + std::to_string(4999 - n)));
    }
    for (int n = 0; n < 5000; ++n) {
        EXPECT_EQ(Find(0, "K" + std::to_string(n)), size_t(n));
        EXPECT_EQ(Find(1, "k" + std::to_string(n)), size_t(4999 - n));
    }
    EXPECT_FALSE(Find(0, "k5000"));
    EXPECT_FALSE(Find(2, "k1"));
}

TEST_F(IniNameIndexTest, TheFirstOfANameStaysItsOnlyEntry) {
    EXPECT_TRUE(Insert(0, "Name"));
    EXPECT_FALSE(Insert(0, "nAME"));
    EXPECT_TRUE(Insert(1, "name"));
    EXPECT_TRUE(Insert(0, ""));
    EXPECT_FALSE(Insert(0, ""));
    EXPECT_EQ(Find(0, "NAME"), 0u);
    EXPECT_EQ(Find(0, ""), 1u);
}

} // namespace
} // namespace mervik
