// Our INI reader and writer against the platform's private-profile functions
// on the same files: every answer and every written byte must agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "settings/FilePaths.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/settings/TempFolder.h"
#include "tests/settings/win32/PlatformSettingsFiles.h"

namespace mervik {
namespace {

using testing::TempFolder;

const char* const kSections[] = {"s", "S", " s ", "t", "u", "u]", "", "[s", "x"};
const char* const kKeys[] = {"k",    "K",  " k ", "j", "a",  "b",      "c",
                             "noeq", ";k", "# j", "z", "st", "missing"};

// Files whose every line is odd in some way. Structures use st (3 bytes).
const char* const kOddFiles[] = {
    "[s]\r\nk=v\r\n",
    "  [ s ]  \r\n  k  =  v v  \r\n[s]\r\nj = x\r\n",
    "[\ts\t]\r\n\tk\t=\tv\t\r\nz\x1a=\x1aw\x1a\r\n",
    "[s]\r\nk=1\r\nk=2\r\n[t]\r\na=1\r\n[s]\r\nk=3\r\nj=4\r\n[S]\r\nb=5\r\n",
    "[s]\r\nk\r\nk=2\r\nnoeq\r\n;k=1\r\n# j=2\r\nc=x;y\r\n",
    "; c=1\r\na=0\r\n[s\r\nb=1\r\n[t]x\r\nb=2\r\n[u]]\r\nc=3\r\n[]\r\nk=4\r\n",
    "[s]\ra=1\rb=2\n[t]\nc=3\r\n\r\nk=4\n\n[u]\rk=5",
    "[s]\r\na=\"x y\"\r\nb='z'\r\nc=\"q\r\nk=\"\r\nj=\"\"\r\nz= \" p \" \r\nnoeq=\"a\"b\"\r\n",
    "[s]\r\nk=12\r\nj= -5 \r\na=0x10\r\nb=0X1f\r\nc=1a\r\nz=a1\r\nnoeq=\r\n;k='7'\r\n",
    "[s]\r\nk=4294967296\r\nj=99999999999\r\na=-2147483649\r\nb=0b12\r\nc=0o17\r\nz=\"\t5\"\r\n",
    "[s]\r\nk=\"12345678901234567890123456789\"\r\nj=123456789012345678901234567890123\r\n",
    "[s]\r\nst=0102A0A3\r\n[t]\r\nst=0102a0a3\r\n[u]\r\nst=0102A0A4\r\n[x]\r\nst=0102A0\r\n",
    "[s]\r\nst=\"0102A0A3\"\r\n[t]\r\nst= 0102A0A3 \r\n[u]\r\nst=0102G0A3\r\n[x]\r\nst=01 "
    "2A0A3\r\n",
    "\xEF\xBB\xBF[s]\r\nk=1\r\n",
    "",
    "\r\n\r\n",
    "k=global\r\n",
};

struct Answers {
    std::string text;
    int32_t integer;
    bool structOk;
    uint8_t bytes[3];
    bool operator==(const Answers&) const = default;
};

Answers Ours(const IniDocument& doc, const char* section, const char* key) {
    Answers a{doc.ReadText(section, key, "DEF"), doc.ReadInt(section, key, 77), false, {}};
    a.structOk = doc.ReadStruct(section, key, a.bytes, sizeof a.bytes);
    if (!a.structOk)
        std::memset(a.bytes, 0, sizeof a.bytes); // the platform may leave a partly filled buffer
    return a;
}

Answers Platforms(const std::string& path, const char* section, const char* key) {
    char buffer[4096];
    GetPrivateProfileStringA(section, key, "DEF", buffer, sizeof buffer, path.c_str());
    Answers a{buffer,
              static_cast<int32_t>(GetPrivateProfileIntA(section, key, 77, path.c_str())),
              false,
              {}};
    a.structOk = GetPrivateProfileStructA(section, key, a.bytes, sizeof a.bytes, path.c_str());
    if (!a.structOk)
        std::memset(a.bytes, 0, sizeof a.bytes);
    return a;
}

std::string Printable(const std::string& s) {
    return ::testing::PrintToString(s);
}

void ExpectSameReads(const TempFolder& dir, const std::string& bytes, int index) {
    // A fresh name per file: the platform caches files by name.
    std::string path = dir.File("read" + std::to_string(index) + ".ini");
    TempFolder::Write(path, bytes);
    IniDocument doc(bytes);
    for (const char* section : kSections)
        for (const char* key : kKeys) {
            Answers ours = Ours(doc, section, key), theirs = Platforms(path, section, key);
            EXPECT_EQ(ours.text, theirs.text) << Printable(bytes) << " [" << section << "] " << key;
            EXPECT_EQ(ours.integer, theirs.integer)
                << Printable(bytes) << " [" << section << "] " << key;
            EXPECT_EQ(ours.structOk, theirs.structOk)
                << Printable(bytes) << " [" << section << "] " << key;
            EXPECT_TRUE(ours == theirs) << Printable(bytes) << " [" << section << "] " << key;
        }
}

TEST(PrivateProfileDifferential, OddFilesReadTheSame) {
    TempFolder dir;
    int index = 0;
    for (const char* file : kOddFiles)
        ExpectSameReads(dir, file, index++);
}

// Files built from random pieces of odd lines; no line breaks inside values,
// no bytes outside ASCII (the platform converts those through a code page),
// and no structure values longer than expected: the platform reads those
// through a buffer that cuts them to the expected length and then accepts
// them, where we refuse a value of the wrong length.
std::string RandomFile(std::mt19937& rng) {
    static const char* const pieces[] = {
        "[s]", "[S]", " [ s ] ", "[t]",  "[u]]",     "[]",       "[s",     "k",   "K",
        " k ", "j",   "a",       "b",    "c",        "noeq",     ";k",     "# j", "z",
        "st",  "=",   " = ",     "==",   "v",        "\"q\"",    "'",      "\"",  " ",
        "\t",  "12",  "-5",      "0x1F", "0102A0A3", "0102a0a4", "0102A0", "x;y", "\x1a",
    };
    static const char* const ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
    std::string file;
    int lines = std::uniform_int_distribution<int>(0, 12)(rng);
    for (int l = 0; l < lines; ++l) {
        int parts = std::uniform_int_distribution<int>(1, 4)(rng);
        for (int p = 0; p < parts; ++p)
            file += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(rng)];
        if (l + 1 < lines || rng() % 2)
            file += ends[rng() % std::size(ends)];
    }
    return file;
}

TEST(PrivateProfileDifferential, RandomFilesReadTheSame) {
    TempFolder dir;
    std::mt19937 rng(20240501);
    for (int i = 0; i < 60; ++i)
        ExpectSameReads(dir, RandomFile(rng), i);
}

struct Write {
    const char* section;
    const char* key;
    std::string value; // a structure when isStruct: raw bytes
    bool isStruct = false;
};

void ApplyOurs(IniFile& file, const Write& w) {
    if (w.isStruct)
        ASSERT_TRUE(file.WriteStruct(w.section, w.key, w.value.data(), w.value.size()));
    else
        ASSERT_TRUE(file.WriteText(w.section, w.key, w.value));
}

void ApplyPlatforms(const std::string& path, const Write& w) {
    BOOL ok = w.isStruct
                  ? WritePrivateProfileStructA(w.section, w.key, const_cast<char*>(w.value.data()),
                                               static_cast<UINT>(w.value.size()), path.c_str())
                  : WritePrivateProfileStringA(w.section, w.key, w.value.c_str(), path.c_str());
    ASSERT_TRUE(ok);
}

// Applies the writes to both files one by one, comparing bytes after each.
void ExpectSameWrites(const TempFolder& dir, const std::string& start,
                      const std::vector<Write>& writes, int index, bool startMissing = false) {
    std::string oursPath = dir.File("ours" + std::to_string(index) + ".ini");
    std::string theirsPath = dir.File("theirs" + std::to_string(index) + ".ini");
    if (!startMissing) {
        TempFolder::Write(oursPath, start);
        TempFolder::Write(theirsPath, start);
    }
    IniFile ours(oursPath);
    for (size_t i = 0; i < writes.size(); ++i) {
        ApplyOurs(ours, writes[i]);
        ApplyPlatforms(theirsPath, writes[i]);
        ASSERT_EQ(Printable(TempFolder::Read(oursPath)), Printable(TempFolder::Read(theirsPath)))
            << "after write " << i << " [" << writes[i].section << "] " << writes[i].key << " from "
            << Printable(start);
    }
}

// No trailing blanks: the platform writes them, but whether they survive its
// next write depends on whether it reloads the file from disk in between
// (names and values it reloads are trimmed), which it decides by timestamps.
std::vector<Write> RandomWrites(std::mt19937& rng, int count) {
    static const char* const sections[] = {"s", "S", " t", "u", "Setting"};
    static const char* const keys[] = {"k", "K", "j", " a", "b c", "MacroKeyInfo0", ";x"};
    static const char* const values[] = {"",   "v",   "  padded", "\"quoted\"", "-1",
                                         "12", "x=y", "a;b",      "'"};
    std::vector<Write> writes;
    for (int i = 0; i < count; ++i) {
        Write w{sections[rng() % std::size(sections)], keys[rng() % std::size(keys)],
                values[rng() % std::size(values)]};
        if (rng() % 4 == 0) {
            w.isStruct = true;
            w.value.assign(rng() % 8, '\0');
            for (char& c : w.value)
                c = static_cast<char>(rng());
        }
        writes.push_back(w);
    }
    return writes;
}

TEST(PrivateProfileDifferential, WritesFromNothingGiveTheSameBytes) {
    TempFolder dir;
    std::mt19937 rng(7);
    for (int i = 0; i < 40; ++i)
        ExpectSameWrites(dir, "", RandomWrites(rng, 12), i, /*startMissing=*/i % 2 == 0);
}

// The platform rewrites a whole file in its own layout on every write; we keep
// every line we do not write. The two agree on files already in that layout:
// one key a line, "name=value", CR LF, no blank lines, no blanks around names.
TEST(PrivateProfileDifferential, WritesToFilesInThePlatformsLayoutGiveTheSameBytes) {
    const char* const starts[] = {
        "[s]\r\nk=1\r\n",
        "g=1\r\n[s]\r\nnoeq\r\n;c=1\r\nk=2\r\n[t]\r\n[u]\r\nx=1\r\n",
        "[s]\r\nk=1\r\n[t]\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n",
        "[Setting]\r\nUnknown=1\r\nMacroKeyInfo0=00\r\n[Other]\r\nk=v\r\n",
    };
    TempFolder dir;
    std::mt19937 rng(11);
    int index = 0;
    for (const char* start : starts)
        for (int round = 0; round < 5; ++round)
            ExpectSameWrites(dir, start, RandomWrites(rng, 10), index++);
}

// Save all against the same keys written one by one in the same order.
class SaveAllDifferential : public ::testing::Test {
protected:
    void ExpectSameFiles() {
        for (int n = -1; n < kProfileFileCount; ++n) {
            std::string a =
                n < 0 ? ConfigFilePath(ours.Folder()) : ProfileFilePath(ours.Folder(), n);
            std::string b =
                n < 0 ? ConfigFilePath(theirs.Folder()) : ProfileFilePath(theirs.Folder(), n);
            std::string bytesA = TempFolder::Read(a), bytesB = TempFolder::Read(b);
            EXPECT_FALSE(bytesA.empty()) << a;
            EXPECT_TRUE(bytesA == bytesB)
                << "file " << n << " differs at byte "
                << std::mismatch(bytesA.begin(), bytesA.end(), bytesB.begin(), bytesB.end()).first -
                       bytesA.begin();
        }
    }
    void SaveBoth(const SharedSettingsBlock& image) {
        ASSERT_TRUE(SaveAll(image, ours.Folder()));
        testing::PlatformSaveAll(image, theirs.Folder());
        ExpectSameFiles();
    }
    void SetUp() override {
        CreateDirectoryA(theirs.File("config").c_str(), nullptr);
        image = std::make_unique<SharedSettingsBlock>();
        testing::FillSampleImage(*image);
    }
    TempFolder ours, theirs;
    std::unique_ptr<SharedSettingsBlock> image;
};

TEST_F(SaveAllDifferential, FromNothingThenOverTheSavedFiles) {
    SaveBoth(*image);
    testing::FillSampleProfile(image->Profiles[1], 9);
    image->Profiles[2].Buttons[5].Function = 7;
    image->CurrentProfile = 4;
    SaveBoth(*image);
}

TEST_F(SaveAllDifferential, OverFilesWithForeignKeys) {
    const std::string foreign =
        "[Setting]\r\nFWVersion=205\r\nMouseColor=1\r\n[OSDSetting]\r\nconfig=00\r\n";
    const std::string profile =
        "[Setting]\r\nUnknown=1\r\nModeStatus=1\r\ndpibyDpiIndicator0=3\r\n[Other]\r\nk=v\r\n";
    for (TempFolder* dir : {&ours, &theirs}) {
        CreateDirectoryA(dir->File("config").c_str(), nullptr);
        TempFolder::Write(ConfigFilePath(dir->Folder()), foreign);
        for (int n = 0; n < kProfileFileCount; ++n)
            TempFolder::Write(ProfileFilePath(dir->Folder(), n), profile);
    }
    SaveBoth(*image);
}

TEST_F(SaveAllDifferential, LoadAllReadsWhatTheKeyByKeyLoadReads) {
    SaveBoth(*image);
    // Damage a few values so the fallbacks are compared too.
    std::string path = ProfileFilePath(theirs.Folder(), 0);
    WritePrivateProfileStringA("Setting", "MacroKeyInfo3", "00", path.c_str());
    WritePrivateProfileStringA("Setting", "dpiIndicator2", nullptr, path.c_str());
    WritePrivateProfileStringA("Setting", "dpibyDpiIndicator2", "17", path.c_str());
    WritePrivateProfileStringA("Setting", "ProFileName", std::string(400, 'n').c_str(),
                               path.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr,
                               path.c_str()); // flush the platform's cache
    auto viaPlatform = std::make_unique<SharedSettingsBlock>();
    auto viaOurs = std::make_unique<SharedSettingsBlock>();
    testing::PlatformLoadAll(*viaPlatform, theirs.Folder());
    ASSERT_TRUE(LoadAll(*viaOurs, theirs.Folder()));
    EXPECT_EQ(viaOurs->Profiles[0].dpiIndicator[2], 17);
    EXPECT_EQ(std::memcmp(viaOurs.get(), viaPlatform.get(), sizeof(SharedSettingsBlock)), 0);
}

} // namespace
} // namespace mervik
