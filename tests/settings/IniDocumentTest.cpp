#include "settings/IniDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace mervik {
namespace {

struct ReadCase {
    const char* file;
    const char* section;
    const char* key;
    const char* expected; // nullptr: missing
};

// Each case matches what the platform's GetPrivateProfileStringA returns for
// the same file (checked under Wine by the differential test).
TEST(IniDocumentRead, OddFilesReadAsThePlatformReadsThem) {
    const ReadCase cases[] = {
        {"[s]\r\nk=v\r\n", "s", "k", "v"},
        {"[s]\r\nk=v\r\n", "S", "K", "v"},
        {"  [ s ]  \r\n  k  =  v v  \r\n", "s", "k", "v v"},
        {"[s]\r\n\tk\t=\tv\t\r\n", " s ", " k ", "v"},
        {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
        {"[s]\r\nk=1\r\n[t]\r\n[s]\r\nk=3\r\nj=4\r\n", "s", "j", nullptr},
        {"[s]\r\nk\r\nk=2\r\n", "s", "k", nullptr},
        {"[s]\r\nnoeq\r\n", "s", "noeq", nullptr},
        {"[s]\r\n;k=1\r\n", "s", ";k", "1"},
        {"[s]\r\n# j=2\r\n", "s", "# j", "2"},
        {"[s]\r\nk=x;y\r\n", "s", "k", "x;y"},
        {"[s]\r\n =v\r\n", "s", "", "v"},
        {"[s]\r\nk=\r\n", "s", "k", ""},
        {"a=0\r\n[s]\r\n", "", "a", "0"},
        {"[s\r\nb=1\r\n", "", "b", "1"},
        {"[s\r\nb=1\r\n", "s", "b", nullptr},
        {"[t]x\r\nb=2\r\n", "t", "b", "2"},
        {"[u]]\r\nc=3\r\n", "u]", "c", "3"},
        {"[]\r\nd=4\r\n", "", "d", nullptr},
        {"[s]\ra=1\rb=2\n[t]\nc=3\r\n\r\nd=4\n\n[u]\re=5", "s", "b", "2"},
        {"[s]\ra=1\rb=2\n[t]\nc=3\r\n\r\nd=4\n\n[u]\re=5", "t", "d", "4"},
        {"[s]\ra=1\rb=2\n[t]\nc=3\r\n\r\nd=4\n\n[u]\re=5", "u", "e", "5"},
        {"\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "1"},
        {"[s]\r\nz\x1a=\x1aw\x1a\r\n", "s", "z", "w"},
        {"[s]\r\n", "t", "k", nullptr},
        {"", "s", "k", nullptr},
    };
    for (const ReadCase& c : cases) {
        IniDocument doc(c.file);
        auto found = doc.Find(c.section, c.key);
        SCOPED_TRACE(::testing::Message()
                     << "file " << ::testing::PrintToString(std::string(c.file)) << " ["
                     << c.section << "] " << c.key);
        if (!c.expected)
            EXPECT_FALSE(found.has_value());
        else
            EXPECT_EQ(found.value_or("<missing>"), c.expected);
    }
}

TEST(IniDocumentRead, TextDropsOnePairOfQuotesAndFallbackLosesTrailingBlanks) {
    IniDocument doc(
        "[s]\r\na=\"x y\"\r\nb='z'\r\nc=\"q\r\nd=\"\r\ne=\"\"\r\nf= \" p \" \r\ng=\"a\"b\"\r\n");
    EXPECT_EQ(doc.ReadText("s", "a", "D"), "x y");
    EXPECT_EQ(doc.ReadText("s", "b", "D"), "z");
    EXPECT_EQ(doc.ReadText("s", "c", "D"), "\"q");
    EXPECT_EQ(doc.ReadText("s", "d", "D"), "\"");
    EXPECT_EQ(doc.ReadText("s", "e", "D"), "");
    EXPECT_EQ(doc.ReadText("s", "f", "D"), " p ");
    EXPECT_EQ(doc.ReadText("s", "g", "D"), "a\"b");
    EXPECT_EQ(doc.ReadText("s", "missing", " D "), " D");
}

TEST(IniDocumentRead, IntegersMissingOrEmptyTakeTheFallback) {
    IniDocument doc("[s]\r\nempty=\r\nquoted=\"\"\r\nword=abc\r\nnum=-17\r\n");
    EXPECT_EQ(doc.ReadInt("s", "missing", -1), -1);
    EXPECT_EQ(doc.ReadInt("s", "empty", 77), 77);
    EXPECT_EQ(doc.ReadInt("s", "quoted", 77), 77);
    EXPECT_EQ(doc.ReadInt("s", "word", 77), 0); // present but not a number: 0, not the fallback
    EXPECT_EQ(doc.ReadInt("s", "num", 77), -17);
}

TEST(IniDocumentRead, StructuresNeedExactLengthAndChecksumAndLeaveTheBufferAloneOtherwise) {
    IniDocument doc("[s]\r\nok=0102A0A3\r\nlower=0102a0a3\r\nsum=0102A0A4\r\nshort=0102A0\r\n"
                    "long=0102A0A3FF\r\nquoted=\"0102A0A3\"\r\nhex=0102G0A3\r\n");
    uint8_t buffer[3];
    for (const char* key : {"ok", "lower"}) {
        std::memset(buffer, 0xEE, sizeof buffer);
        EXPECT_TRUE(doc.ReadStruct("s", key, buffer, 3)) << key;
        EXPECT_EQ(buffer[0], 0x01);
        EXPECT_EQ(buffer[2], 0xA0);
    }
    for (const char* key : {"sum", "short", "long", "quoted", "hex", "missing"}) {
        std::memset(buffer, 0xEE, sizeof buffer);
        EXPECT_FALSE(doc.ReadStruct("s", key, buffer, 3)) << key;
        EXPECT_EQ(buffer[0], 0xEE) << key;
        EXPECT_EQ(buffer[2], 0xEE) << key;
    }
}

TEST(IniDocumentWrite, FromNothingBuildsTheFileThePlatformWould) {
    IniDocument doc;
    doc.WriteText("s", "k", "v");
    doc.WriteText("s", "k2", "v2");
    doc.WriteInt("t", "a", 1);
    doc.WriteText("s", "k3", "v3");
    doc.WriteText("S", "K", "e");
    doc.WriteText("s", "sp", "  x  ");
    doc.WriteText("s", "empty", "");
    const uint8_t bytes[] = {0x01, 0x02, 0xA0};
    doc.WriteStruct("t", "st", bytes, sizeof bytes);
    // Leading blanks go, trailing ones are written and trimmed by readers.
    EXPECT_EQ(doc.Bytes(),
              "[s]\r\nk=e\r\nk2=v2\r\nk3=v3\r\nsp=x  \r\nempty=\r\n[t]\r\na=1\r\nst=0102A0A3\r\n");
    EXPECT_EQ(doc.ReadText("s", "sp", ""), "x");
}

TEST(IniDocumentWrite, OnlyTheWrittenLineChanges) {
    const std::string before = "; top\n\n  [ s ]  \n  k  =  old  \n\nnoeq\n;c=1\n\n[t]\r\nx=1";
    IniDocument doc(before);
    doc.WriteText("s", "K", "new");
    EXPECT_EQ(doc.Bytes(), "; top\n\n  [ s ]  \nk=new\n\nnoeq\n;c=1\n\n[t]\r\nx=1");
}

TEST(IniDocumentWrite, NewKeysGoAfterTheSectionsLastLineAndNewSectionsAtTheEnd) {
    IniDocument doc("[s]\r\nk=1\r\n\r\n[t]\r\nx=1");
    doc.WriteText("s", "j", "2");
    doc.WriteText("u", "y", "3");
    EXPECT_EQ(doc.Bytes(), "[s]\r\nk=1\r\nj=2\r\n\r\n[t]\r\nx=1\r\n[u]\r\ny=3\r\n");
}

TEST(IniDocumentWrite, DuplicatesAndShadowingKeyLinesFollowTheReader) {
    IniDocument doc("[s]\r\nk\r\nk=2\r\n[t]\r\n[s]\r\nk=3\r\n");
    doc.WriteText("s", "k", "5");
    doc.WriteText("s", "j", "8");
    EXPECT_EQ(doc.Bytes(), "[s]\r\nk=5\r\nk=2\r\nj=8\r\n[t]\r\n[s]\r\nk=3\r\n");
}

TEST(IniDocumentWrite, UnchangedValueKeepsTheLineAsItIs) {
    IniDocument doc("[s]\n k = 1 \n");
    doc.WriteInt("s", "k", 1);
    EXPECT_EQ(doc.Bytes(), "[s]\n k = 1 \n");
}

TEST(IniDocumentWrite, GlobalKeysAndByteOrderMarkStayInFront) {
    IniDocument doc("\xEF\xBB\xBF[s]\r\nk=1\r\n");
    doc.WriteText("", "g", "0");
    doc.WriteText("s", "j", "2");
    EXPECT_EQ(doc.Bytes(), "\xEF\xBB\xBFg=0\r\n[s]\r\nk=1\r\nj=2\r\n");
}

TEST(IniDocumentWrite, LineBreaksInWrittenTextCannotAddLines) {
    IniDocument doc;
    doc.WriteText("s", "name", "evil\r\n[Setting]\r\nCurrentProfile=3");
    doc.WriteText(" s\n[x]", " k\r\nj=1", "v");
    EXPECT_EQ(doc.Bytes(), "[s]\r\nname=evil\r\nk=v\r\n");
    EXPECT_FALSE(IniDocument(doc.Bytes()).Find("Setting", "CurrentProfile").has_value());
}

// Lookups go through an index built once; inserting lines into one section
// must leave every other section's keys found, read and written in place.
TEST(IniDocumentWrite, EditsInOneSectionLeaveTheKeysOfTheOthersInPlace) {
    IniDocument doc("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n[A]\r\nz=9\r\n[c]\r\nw=3");
    doc.WriteText("a", "n1", "1");
    doc.WriteText("", "g", "0");
    doc.WriteText("a", "n2", "2");
    EXPECT_EQ(doc.Find("b", "y").value_or(""), "2");
    doc.WriteText("c", "w", "4");
    doc.WriteText("b", "y2", "5");
    doc.WriteText("c", "v", "6");
    doc.WriteText("a", "x", "7");
    EXPECT_FALSE(doc.Find("a", "z")); // a later section of the name is never read
    const std::string expected = "g=0\r\n[a]\r\nx=7\r\nn1=1\r\nn2=2\r\n\r\n[b]\r\ny=2\r\ny2=5\r\n"
                                 "[A]\r\nz=9\r\n[c]\r\nw=4\r\nv=6\r\n";
    EXPECT_EQ(doc.Bytes(), expected);
    const IniDocument reread(expected);
    for (auto [section, key, value] : {std::tuple{"", "g", "0"},
                                       {"a", "n2", "2"},
                                       {"b", "y2", "5"},
                                       {"c", "w", "4"},
                                       {"c", "v", "6"}})
        EXPECT_EQ(doc.Find(section, key), reread.Find(section, key)) << section << " " << key;
}

// Blank lines, a key's later lines and a name's later sections are kept only
// as bytes; new keys still go right after the section's last non-blank line.
TEST(IniDocumentWrite, UnreachableLinesKeepTheirBytesAndTheirPlace) {
    const std::string before = "[s]\nk=1\nk=2\n\nk=3\n\n\n[S]\nj=0\n\n[t]\nk\n\n\n";
    IniDocument doc(before);
    EXPECT_EQ(doc.Bytes(), before);
    doc.WriteText("s", "j", "x");
    doc.WriteText("t", "k", "y");
    doc.WriteText("t", "m", "z");
    EXPECT_EQ(doc.Bytes(), "[s]\nk=1\nk=2\n\nk=3\nj=x\r\n\n\n[S]\nj=0\n\n[t]\nk=y\nm=z\r\n\n\n");
    EXPECT_EQ(doc.Find("s", "j").value_or(""), "x");
}

} // namespace
} // namespace mervik
