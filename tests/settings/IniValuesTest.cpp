#include "settings/IniValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace mervik::ini {
namespace {

// The integers the platform's GetPrivateProfileIntA returned under Wine for
// these values (the value is first read through a 30-character buffer).
TEST(IniValues, IntegersConvertAsThePlatformConverts) {
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"12", 12},
        {" 12", 12},
        {"+5", 5},
        {"-5", -5},
        {"0x10", 16},
        {"0X1f", 0},
        {"010", 10},
        {"08", 8},
        {"1a", 1},
        {"a1", 0},
        {"-", 0},
        {"+", 0},
        {"- 5", 0},
        {"1 2", 1},
        {"0x", 0},
        {"0b11", 3},
        {"0b12", 1},
        {"0o17", 15},
        {"-0x10", -16},
        {"4294967295", -1},
        {"4294967296", 0},
        {"99999999999", 1215752191},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MAX},
        {"2147483648", INT32_MIN},
        {"0xffffffff", -1},
        {"0x100000000", 0},
        {"\t5", 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInt(UnquotedValue(c.text, kIntBufferSize)), c.expected) << c.text;
}

TEST(IniValues, TheIntegerBufferCutsLongAndQuotedValues) {
    EXPECT_EQ(ParseInt(UnquotedValue("123456789012345678901234567890123", kIntBufferSize)),
              1849262357);
    EXPECT_EQ(ParseInt(UnquotedValue("0000000000000000000000000000000000012", kIntBufferSize)), 0);
    // One short of room for the closing quote: the platform drops the last
    // digit in its place.
    EXPECT_EQ(ParseInt(UnquotedValue("\"12345678901234567890123456789\"", kIntBufferSize)),
              -1103563954);
    EXPECT_EQ(ParseInt(UnquotedValue("\"123456789012345678901234567890\"", kIntBufferSize)),
              1849262357);
    EXPECT_EQ(UnquotedValue("'7'", kIntBufferSize), "7");
}

TEST(IniValues, TextStopsAtNul) {
    EXPECT_EQ(UnquotedValue(std::string_view("a\0b", 3)), "a");
    EXPECT_EQ(UnquotedValue(std::string_view("\"a\0b\"", 5)), "\"a");
    EXPECT_EQ(UnquotedValue("abc", 0), "");
}

TEST(IniValues, StructuresRoundTripWithUpperCaseHexAndChecksum) {
    std::vector<uint8_t> bytes(256);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(255 - i);
    std::string text = EncodeStruct(bytes.data(), bytes.size());
    ASSERT_EQ(text.size(), 2 * bytes.size() + 2);
    EXPECT_EQ(text.substr(0, 6), "FFFEFD");
    EXPECT_EQ(text.substr(text.size() - 2), "80"); // 0+1+...+255 = 32640 = 0x7F80
    std::vector<uint8_t> back(bytes.size());
    ASSERT_TRUE(DecodeStruct(text, back.data(), back.size()));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(EncodeStruct(nullptr, 0), "00");
}

} // namespace
} // namespace mervik::ini
