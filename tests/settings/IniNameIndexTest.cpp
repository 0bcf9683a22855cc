#include "settings/IniNameIndex.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace mervik {
namespace {

// "k12" and the like, built by appending (gcc 12 misreads a literal + string).
std::string Numbered(char letter, int n) {
    std::string name(1, letter);
    return name.append(std::to_string(n));
}

// Names per scope as a document would hold them, positions into these lists.
class IniNameIndexTest : public ::testing::Test {
protected:
    auto NameOf() const {
        return [this](IniNameIndex::Entry e) {
            return std::string_view(names.at(e.scope).at(e.position));
        };
    }
    bool Insert(size_t scope, const std::string& name) {
        names.at(scope).push_back(name);
        if (index.Insert(scope, name, names.at(scope).size() - 1, NameOf()))
            return true;
        names.at(scope).pop_back();
        return false;
    }
    std::optional<size_t> Find(size_t scope, std::string_view name) const {
        return index.Find(scope, name, NameOf());
    }

    std::array<std::vector<std::string>, 2> names;
    IniNameIndex index;
};

TEST_F(IniNameIndexTest, EveryNameIsFoundInItsScopeThroughEveryGrowth) {
    EXPECT_FALSE(Find(0, "k0"));
    for (int n = 0; n < 5000; ++n) {
        ASSERT_TRUE(Insert(0, Numbered('k', n)));
        ASSERT_TRUE(Insert(1, Numbered('K', 4999 - n)));
    }
    for (int n = 0; n < 5000; ++n) {
        EXPECT_EQ(Find(0, Numbered('K', n)), size_t(n));
        EXPECT_EQ(Find(1, Numbered('k', n)), size_t(4999 - n));
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
