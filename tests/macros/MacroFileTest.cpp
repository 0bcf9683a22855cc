#include "macros/MacroFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "MacroTestData.h"
#include "macros/FindMacroByName.h"
#include "macros/MacrosAddedElsewhere.h"
#include "settings/FunctionCodes.h"
#include "settings/IniDocument.h"
#include "settings/IniValues.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using test::Macro;
using testing::TempFolder;

class MacroFileTest : public ::testing::Test {
protected:
    std::string FileBytes() const { return TempFolder::Read(MacroFilePath(dir.Folder())); }
    void WriteFile(std::string_view bytes) const {
        std::filesystem::create_directories(dir.File("config"));
        TempFolder::Write(MacroFilePath(dir.Folder()), bytes);
    }
    std::string Value(const MacroRecord& record) const {
        return ini::EncodeStruct(&record, sizeof record);
    }
    MacroList Load() const {
        MacroList list;
        EXPECT_EQ(LoadMacroList(dir.Folder(), list), MacroFileRead::Read);
        return list;
    }

    TempFolder dir;
};

void ExpectSameRecords(const MacroList& a, const MacroList& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i)
        EXPECT_EQ(std::memcmp(a.RecordAt(i), b.RecordAt(i), sizeof(MacroRecord)), 0)
            << "index " << i;
}

TEST_F(MacroFileTest, EmptyListWritesOnlyTheCountAndCreatesTheConfigFolder) {
    ASSERT_FALSE(std::filesystem::exists(dir.File("config")));
    EXPECT_TRUE(SaveMacroList(dir.Folder(), MacroList{}));
    EXPECT_EQ(FileBytes(), "[Macros]\r\nnumber=0\r\n");
    EXPECT_EQ(Load().Count(), 0);
}

TEST_F(MacroFileTest, ThreeMacrosComeBackInOrderByteForByte) {
    MacroList saved;
    saved.Append(Macro("first", {4, 5}, 1, 30));
    saved.Append(Macro("Second one", {240, 44, 226}, 255, 65535));
    MacroRecord third = Macro("third", {});
    third.Events[49] = {7, MacroPress, 1}; // an old step past the count survives too
    saved.Append(third);
    ASSERT_TRUE(SaveMacroList(dir.Folder(), saved));
    ExpectSameRecords(Load(), saved);

    const IniDocument file(FileBytes());
    EXPECT_EQ(file.ReadInt("Macros", "number", -1), 3);
    EXPECT_EQ(file.Find("Macros", "2").value_or("").size(), 522u);
    EXPECT_FALSE(file.Find("Macros", "3"));
}

TEST_F(MacroFileTest, PressAndReleaseOfAStoreAsTheirFourBytesEach) {
    MacroList list;
    list.Append(Macro("a", {4}, 1));
    ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
    const std::string value(IniDocument(FileBytes()).Find("Macros", "0").value_or(""));
    ASSERT_EQ(value.size(), 522u);

    std::string expected = "61" + std::string(51 * 2, '0'); // name "a"
    expected += "01000000";                                 // repeat count 1
    expected += "02000000";                                 // event count 2
    expected += "0401000004020000" + std::string(48 * 8, '0');
    EXPECT_EQ(value.substr(0, 520), expected);
    EXPECT_EQ(value.substr(120, 16), "0401000004020000");
}

TEST_F(MacroFileTest, ASavedShorterListLeavesNoKeysOfTheLongerOne) {
    MacroList list;
    for (const char* name : {"a", "b", "c"})
        list.Append(Macro(name, {4}));
    ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
    list.RemoveAt(0);
    list.RemoveAt(0);
    ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
    EXPECT_EQ(FileBytes(), "[Macros]\r\nnumber=1\r\n0=" + Value(*list.RecordAt(0)) + "\r\n");
}

TEST_F(MacroFileTest, AFailedSaveIsReported) {
    MacroList list;
    list.Append(Macro("m", {4}));
    TempFolder::Write(dir.File("config"), "a file, not a folder");
    EXPECT_FALSE(SaveMacroList(dir.Folder(), list));

    TempFolder other;
    // A folder that is not empty stands where the file should be.
    std::filesystem::create_directories(MacroFilePath(other.Folder()) + kPathSeparator + "x");
    EXPECT_FALSE(SaveMacroList(other.Folder(), list));
}

TEST_F(MacroFileTest, MissingFileOrCountGivesAnEmptyList) {
    MacroList list;
    list.Append(Macro("old", {4}));
    EXPECT_EQ(LoadMacroList(dir.Folder(), list), MacroFileRead::Read);
    EXPECT_TRUE(list.Empty());

    WriteFile("[Macros]\r\n0=" + Value(Macro("a", {4})) + "\r\n");
    EXPECT_EQ(Load().Count(), 0);
    WriteFile("[Macros]\r\nnumber=-5\r\n0=" + Value(Macro("a", {4})) + "\r\n");
    EXPECT_EQ(Load().Count(), 0);
}

TEST_F(MacroFileTest, AnUnreadableFileIsToldApartFromAMissingOne) {
    std::filesystem::create_directories(MacroFilePath(dir.Folder()));
    MacroList list;
    EXPECT_EQ(LoadMacroList(dir.Folder(), list), MacroFileRead::Unreadable);
    EXPECT_TRUE(list.Empty());
}

TEST_F(MacroFileTest, MissingAndDamagedKeysAreSkippedTheRestKeepTheirOrder) {
    std::string badChecksum = Value(Macro("c", {4}));
    badChecksum.back() = badChecksum.back() == '0' ? '1' : '0';
    WriteFile("[Macros]\r\nnumber=6\r\n"
              "0=" +
              Value(Macro("a", {4})) +
              "\r\n"
              "2=" +
              Value(Macro("b", {5})) +
              "\r\n"
              "3=" +
              badChecksum +
              "\r\n"
              "4=" +
              Value(Macro("d", {6})).substr(2) +
              "\r\n"
              "5=" +
              Value(Macro("e", {7})) + "\r\n");
    const MacroList list = Load();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_STREQ(list.RecordAt(0)->Name, "a");
    EXPECT_STREQ(list.RecordAt(1)->Name, "b");
    EXPECT_STREQ(list.RecordAt(2)->Name, "e");
}

TEST_F(MacroFileTest, KeysPastTheCountAreNotRead) {
    WriteFile("[Macros]\r\nnumber=1\r\n0=" + Value(Macro("a", {4})) +
              "\r\n1=" + Value(Macro("b", {4})) + "\r\n");
    EXPECT_EQ(Load().Count(), 1);
}

TEST_F(MacroFileTest, AHugeCountStopsWhereAListMustEnd) {
    const std::string value = Value(Macro("a", {4}));
    WriteFile("[Macros]\r\nnumber=2147483647\r\n0=" + value + "\r\n" +
              std::to_string(kMaxMacroCount - 1) + "=" + value + "\r\n" +
              std::to_string(kMaxMacroCount) + "=" + value + "\r\n");
    EXPECT_EQ(Load().Count(), 2);
}

TEST_F(MacroFileTest, LoadedRecordsAreRepairedWithANoteAndSurviveTheNextSave) {
    MacroRecord longName = Macro("", {4});
    std::memset(longName.Name, 'x', 30);
    MacroRecord badAction = Macro("bad", {4, 5});
    badAction.Events[1].action = 0;
    MacroRecord tooMany = Macro("many", {4});
    tooMany.EventCount = 1000;
    std::fill(std::begin(tooMany.Events), std::end(tooMany.Events), MacroEvent{4, MacroPress, 0});
    WriteFile("[Macros]\r\nnumber=3\r\n0=" + Value(longName) + "\r\n1=" + Value(badAction) +
              "\r\n2=" + Value(tooMany) + "\r\n");

    MacroList list;
    LoadNotes notes;
    ASSERT_EQ(LoadMacroList(dir.Folder(), list, &notes), MacroFileRead::Read);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_STREQ(list.RecordAt(0)->Name, "xxxxxxxxxxxxxxx");
    EXPECT_STREQ(list.RecordAt(1)->Name, "bad");
    EXPECT_EQ(list.RecordAt(1)->EventCount, 1);
    EXPECT_EQ(list.RecordAt(2)->EventCount, kMaxMacroEvents);
    EXPECT_EQ(notes, (LoadNotes{
                         "sequence.dat macro 0: name cut to 15 characters",
                         "sequence.dat macro 1: cut to its first 1 steps: step 2 has action 0, "
                         "neither press nor release",
                         "sequence.dat macro 2: event count 1000 limited to 50",
                     }));

    ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
    const MacroList again = Load();
    ExpectSameRecords(again, list);
}

TEST_F(MacroFileTest, SkippedRecordsAreNoted) {
    std::string badChecksum = Value(Macro("c", {4}));
    badChecksum.back() = badChecksum.back() == '0' ? '1' : '0';
    WriteFile("[Macros]\r\nnumber=4\r\n0=" + Value(Macro("a", {4})) + "\r\n2=" + badChecksum +
              "\r\n");
    MacroList list;
    LoadNotes notes;
    LoadMacroList(dir.Folder(), list, &notes);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(notes, (LoadNotes{"sequence.dat macro 2: damaged, skipped",
                                "sequence.dat: 2 of the 4 macros it counts are missing"}));
}

TEST_F(MacroFileTest, AFileFarLargerThanAFullListIsRefusedAsUnreadable) {
    WriteFile("");
    const std::string path = MacroFilePath(dir.Folder());
    std::filesystem::resize_file(path, uintmax_t{100} << 20);
    MacroList list;
    LoadNotes notes;
    EXPECT_EQ(LoadMacroList(dir.Folder(), list, &notes), MacroFileRead::Unreadable);
    EXPECT_TRUE(list.Empty());
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].rfind(path + " is far larger", 0), 0u) << notes[0];
}

// While the macro file cannot be read, Option's macros live beside it: what
// the user makes is saved there and loaded from there at the next start, and
// the damaged file is never written over. Once it reads again it is used.
TEST_F(MacroFileTest, WhileTheMacroFileCannotBeReadTheMacrosAreKeptBesideIt) {
    const std::string path = MacroFilePath(dir.Folder());
    WriteFile("");
    std::filesystem::resize_file(path, uintmax_t{9} << 20);
    MacroList list;
    MacroSource source = LoadOptionMacros(dir.Folder(), list);
    EXPECT_EQ(source.macroFile, MacroFileRead::Unreadable);
    EXPECT_EQ(source.savePath, KeptMacroFilePath(dir.Folder()));
    EXPECT_TRUE(list.Empty());
    list.Append(Macro("Made meanwhile", {4}));
    ASSERT_TRUE(SaveMacroFile(source.savePath, list));
    EXPECT_EQ(std::filesystem::file_size(path), uintmax_t{9} << 20) << "written over";

    source = LoadOptionMacros(dir.Folder(), list);
    EXPECT_EQ(source.macroFile, MacroFileRead::Unreadable);
    ASSERT_EQ(list.Count(), 1) << "the next start lost what was made";
    EXPECT_STREQ(list.RecordAt(0)->Name, "Made meanwhile");

    // Both unreadable: nothing is loaded, and nowhere is written.
    std::filesystem::remove(source.savePath);
    std::filesystem::create_directories(source.savePath);
    source = LoadOptionMacros(dir.Folder(), list);
    EXPECT_TRUE(source.savePath.empty());
    EXPECT_TRUE(list.Empty());

    WriteFile("[Macros]\r\nnumber=1\r\n0=" + Value(Macro("a", {4})) + "\r\n");
    source = LoadOptionMacros(dir.Folder(), list);
    EXPECT_EQ(source.macroFile, MacroFileRead::Read);
    EXPECT_EQ(source.savePath, path);
    EXPECT_EQ(list.Count(), 1);
}

// Buttons find their macro by name, ignoring case and blanks: of "Fire" and
// "FIRE" only the first could ever be played or chosen.
TEST_F(MacroFileTest, NamesDifferingOnlyInCaseAreMadeUniqueAndTheirButtonsFollow) {
    WriteFile("[Macros]\r\nnumber=6\r\n0=" + Value(Macro("Fire", {4})) +
              "\r\n1=" + Value(Macro("FIRE", {5})) + "\r\n2=" + Value(Macro(" fire ", {6})) +
              "\r\n3=" + Value(Macro("FIRE (2)", {7})) +
              "\r\n4=" + Value(Macro("ABCDEFGHIJKLMNO", {8})) +
              "\r\n5=" + Value(Macro("abcdefghijklmno", {9})) + "\r\n");
    auto image = std::make_unique<SharedSettingsBlock>();
    ResetAllProfiles(*image);
    const auto holding = [&](int profile, int slot, const char* name) -> ButtonAssignment& {
        ButtonAssignment& button = image->Profiles[profile].Buttons[slot];
        button.Function = fn::Macro;
        SetTextField(button.MacroName, name);
        return button;
    };
    ButtonAssignment& first = holding(0, 2, "Fire");
    ButtonAssignment& second = holding(1, 40, "FIRE");
    ButtonAssignment& third = holding(4, 3, "fire");
    ButtonAssignment& neither = holding(2, 5, "fIRE");
    ButtonAssignment& untouched = holding(3, 6, "FIRE (2)");
    SetTextField(image->Profiles[3].Buttons[7].MacroName, "FIRE");

    MacroList list;
    LoadNotes notes;
    ASSERT_EQ(LoadMacroList(dir.Folder(), list, &notes, image.get()), MacroFileRead::Read);
    ASSERT_EQ(list.Count(), 6);
    const char* names[] = {"Fire",     "FIRE (3)",        "fire (4)",
                           "FIRE (2)", "ABCDEFGHIJKLMNO", "abcdefghijk (2)"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(TextOfField(list.RecordAt(i)->Name), names[i]);
    EXPECT_EQ(TextOfField(first.MacroName), "Fire");
    EXPECT_EQ(TextOfField(second.MacroName), "FIRE (3)");
    EXPECT_EQ(TextOfField(third.MacroName), "fire (4)");
    EXPECT_EQ(TextOfField(neither.MacroName), "fIRE") << "it played the first, and still does";
    EXPECT_EQ(TextOfField(untouched.MacroName), "FIRE (2)");
    EXPECT_EQ(TextOfField(image->Profiles[3].Buttons[7].MacroName), "FIRE") << "no macro button";
    for (const ButtonAssignment* button : {&first, &second, &third, &untouched})
        EXPECT_EQ(TextOfField(list.RecordAt(FindMacroByName(list, *button)->index)->Name),
                  TextOfField(button->MacroName));
    EXPECT_EQ(notes, (LoadNotes{
                         "sequence.dat: macro FIRE is named as macro Fire but for case or blanks: "
                         "renamed FIRE (3), and the buttons that play it (1) with it",
                         "sequence.dat: macro fire is named as macro Fire but for case or blanks: "
                         "renamed fire (4), and the buttons that play it (1) with it",
                         "sequence.dat: macro abcdefghijklmno is named as macro ABCDEFGHIJKLMNO "
                         "but for case or blanks: renamed abcdefghijk (2)",
                     }));
}

// Option saves the macro list when it closes, Apply or not: a list that
// loading cut or renamed must not replace its file until the user changes it.
TEST_F(MacroFileTest, ACutOrRenamedListKeepsItsFileUntilItChanges) {
    const std::string cut = "[Macros]\r\nnumber=10001\r\n0=" + Value(Macro("a", {4})) +
                            "\r\n10000=" + Value(Macro("last", {5})) + "\r\n";
    const std::string renamed = "[Macros]\r\nnumber=2\r\n0=" + Value(Macro("a", {4})) +
                                "\r\n1=" + Value(Macro("A", {5})) + "\r\n";
    for (const std::string& bytes : {cut, renamed}) {
        WriteFile(bytes);
        MacroList list;
        LoadNotes notes;
        ASSERT_EQ(LoadMacroList(dir.Folder(), list, &notes), MacroFileRead::Read);
        ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
        EXPECT_EQ(FileBytes(), bytes);
        list.RecordAt(0)->RepeatCount = 3;
        ASSERT_TRUE(SaveMacroList(dir.Folder(), list));
        EXPECT_NE(FileBytes(), bytes);
        ExpectSameRecords(Load(), list);
    }
    WriteFile(cut);
    LoadNotes notes;
    MacroList list;
    LoadMacroList(dir.Folder(), list, &notes);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_NE(std::find(notes.begin(), notes.end(),
                        "sequence.dat counts 10001 macros, more than the 10000 a list holds: the "
                        "first 10000 are loaded, and the file keeps the others until the macros "
                        "are changed and saved"),
              notes.end());
    list.Clear();
    ASSERT_TRUE(SaveMacroList(dir.Folder(), list)) << "a cleared list is a changed one";
    EXPECT_EQ(FileBytes(), "[Macros]\r\nnumber=0\r\n");
}

// Each macro is looked up by its index: with a million lines in front of
// them, the lookups must not walk the lines again for every macro.
TEST_F(MacroFileTest, ManyLinesBeforeTheMacrosAreReadOnce) {
    std::string text = "[Macros]\r\nnumber=" + std::to_string(kMaxMacroCount) + "\r\n";
    for (int n = 0; n < 1000000; ++n)
        text += n % 2 ? "\n" : "x\n";
    text += "9999=" + Value(Macro("last", {4})) + "\r\n";
    WriteFile(text);
    MacroList list;
    LoadNotes notes;
    EXPECT_EQ(LoadMacroList(dir.Folder(), list, &notes), MacroFileRead::Read);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_STREQ(list.RecordAt(0)->Name, "last");
    EXPECT_EQ(notes, LoadNotes{"sequence.dat: 9999 of the 10000 macros it counts are missing"});
}

// Option saves the list it loaded at start; another program added a macro
// meanwhile, and the user deleted one and renamed another here.
TEST_F(MacroFileTest, ASaverKeepsWhatAnotherProgramAddedButNotWhatTheUserRemoved) {
    MacroList shown;
    shown.Append(Macro("Kept", {4}));
    shown.Append(Macro("Deleted", {5}));
    shown.Append(Macro("Old name", {6}));
    ASSERT_TRUE(SaveMacroList(dir.Folder(), shown));
    MacroList elsewhere = Load();
    elsewhere.Append(Macro("Imported", {7}));
    ASSERT_TRUE(SaveMacroList(dir.Folder(), elsewhere));

    shown.RemoveAt(1);
    std::strcpy(shown.RecordAt(1)->Name, "New name");
    EXPECT_EQ(AdoptMacrosAddedElsewhere(MacroFilePath(dir.Folder()), shown), 1);
    ASSERT_TRUE(SaveMacroList(dir.Folder(), shown));
    const MacroList saved = Load();
    ASSERT_EQ(saved.Count(), 3);
    EXPECT_STREQ(saved.RecordAt(0)->Name, "Kept");
    EXPECT_STREQ(saved.RecordAt(1)->Name, "New name");
    EXPECT_STREQ(saved.RecordAt(2)->Name, "Imported");
    EXPECT_EQ(AdoptMacrosAddedElsewhere(MacroFilePath(dir.Folder()), shown), 0) << "taken once";
}

} // namespace
} // namespace mervik
