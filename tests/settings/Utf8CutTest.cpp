// Measuring and cutting shown texts (UTF-8) by the UTF-16 units the system's
// fields hold.
#include <gtest/gtest.h>

#include "settings/Utf8Cut.h"

namespace mervik {
namespace {

const std::string kZhong = "\xE4\xB8\xAD";     // U+4E2D, one unit
const std::string kEmoji = "\xF0\x9F\x98\x80"; // U+1F600, two units

TEST(Utf8Cut, CountsUnitsNotBytes) {
    EXPECT_EQ(Utf16Length(""), 0u);
    EXPECT_EQ(Utf16Length("abc"), 3u);
    EXPECT_EQ(Utf16Length(kZhong + kZhong), 2u);
    EXPECT_EQ(Utf16Length("\xC3\xA9"), 1u); // e acute
    EXPECT_EQ(Utf16Length(kEmoji), 2u);
}

TEST(Utf8Cut, CutsOnWholeCharactersOnly) {
    EXPECT_EQ(CutToUtf16Units("abc", 2), "ab");
    EXPECT_EQ(CutToUtf16Units("abc", 9), "abc");
    EXPECT_EQ(CutToUtf16Units(kZhong + kZhong + kZhong, 2), kZhong + kZhong);
    EXPECT_EQ(CutToUtf16Units("a" + kEmoji, 2), "a") << "a pair is never split";
    EXPECT_EQ(CutToUtf16Units("a" + kEmoji, 3), "a" + kEmoji);
    EXPECT_EQ(CutToUtf16Units(kZhong, 0), "");
}

TEST(Utf8Cut, WideLettersTakeTwoColumns) {
    EXPECT_EQ(TextColumns("Left click"), 10u);
    EXPECT_EQ(TextColumns(kZhong + kZhong), 4u);
    EXPECT_EQ(TextColumns("DPI " + kZhong), 6u);
    EXPECT_EQ(TextColumns("\xEF\xBC\x88"), 2u);      // full-width bracket
    EXPECT_EQ(TextColumns("\xC3\xA9t\xC3\xA9"), 3u); // accented Latin stays narrow
    EXPECT_EQ(TextColumns("\xC5\xE4"), 2u);          // bytes of no character
}

// Bytes in another encoding (a name the code page could not convert) are
// measured and cut one by one, never swallowing what follows.
TEST(Utf8Cut, BrokenSequencesCountByteByByte) {
    EXPECT_EQ(Utf16Length("\xC5\xE4\xD6\xC3"), 4u); // GBK bytes
    EXPECT_EQ(Utf16Length("\xE4\xB8"), 2u);         // a character cut short
    EXPECT_EQ(Utf16Length("\xE4"
                          "a"),
              2u);
    EXPECT_EQ(CutToUtf16Units("\xE4\xB8" + kZhong, 3), "\xE4\xB8" + kZhong);
    EXPECT_EQ(Utf16Length("\xC0\x80"), 2u) << "an overlong form is no character";
}

} // namespace
} // namespace mervik
