#include <gtest/gtest.h>

#include <windows.h>

#include "win32/AnsiText.h"

namespace mervik::win {
namespace {

TEST(AnsiText, APathInTheCodePageRoundTrips) {
    const std::wstring path = L"C:\\Games\\Racer 2\\racer.exe";
    const std::optional<std::string> ansi = ExactAnsi(path);
    ASSERT_TRUE(ansi.has_value());
    EXPECT_EQ(*ansi, "C:\\Games\\Racer 2\\racer.exe");
    EXPECT_EQ(FromAnsi(*ansi), path);
    EXPECT_EQ(ExactAnsi(L""), std::string());
}

// A look-alike would store the name of a file that does not exist, and
// Monitor would never see that program in the foreground.
TEST(AnsiText, ACharacterWithoutAnExactFormIsRefusedNotReplaced) {
    if (GetACP() == CP_UTF8)
        GTEST_SKIP() << "every character has a form in a UTF-8 code page";
    EXPECT_FALSE(ExactAnsi(L"C:\\Games\\\x2603.exe").has_value());
    if (GetACP() == 1252) { // best fit would give a plain "a"
        EXPECT_FALSE(ExactAnsi(L"C:\\Games\\r\x0101"
                               L"cer.exe")
                         .has_value());
    }
}

} // namespace
} // namespace mervik::win
