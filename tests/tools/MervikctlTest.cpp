#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "exchange/JsonText.h"
#include "macros/MacroFile.h"
#include "settings/FilePaths.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileFile.h"
#include "settings/TextField.h"
#include "tests/tools/CommandFixture.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {
namespace {

using MervikctlTest = CommandFixture;

TEST_F(MervikctlTest, InitThenDumpShowsTheDefaults) {
    ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk) << err_.str();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "config.ini"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "config" / "Default4.gmp"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "config" / "sequence.dat"));

    ASSERT_EQ(Run(DumpCommand, {Folder()}), kExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_NE(json.find("\"CurrentProfile\": 0,"), std::string::npos);
    EXPECT_NE(json.find("\"FWVersion\": 100,"), std::string::npos);
    EXPECT_NE(json.find("\"Device\": 0,"), std::string::npos);
    EXPECT_NE(json.find("\"Language\": \"system\","), std::string::npos);
    EXPECT_NE(json.find("\"ProFileName\": \"Default5\""), std::string::npos);
    EXPECT_NE(json.find("\"8SLEDColor7\": 33023,"), std::string::npos);
    EXPECT_NE(json.find("\"dpiIndicator8\": 6,"), std::string::npos);
    EXPECT_NE(json.find("\"Macros\": []"), std::string::npos);
    // Five profiles of 64 slots each.
    size_t slots = 0;
    for (size_t at = json.find("\"Slot\""); at != std::string::npos;
         at = json.find("\"Slot\"", at + 1))
        ++slots;
    EXPECT_EQ(slots, 5u * 64u);
}

TEST_F(MervikctlTest, InitKeepsExistingSettingsUnlessForced) {
    ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk);
    std::ofstream(folder_ / "config.ini")
        << "[Setting]\r\nCurrentProfile=1\r\nFWVersion=321\r\nLanguage=zh-CN\r\n";
    EXPECT_EQ(Run(InitCommand, {Folder()}), kExitFailed);
    Run(DumpCommand, {Folder()});
    EXPECT_NE(out_.str().find("\"FWVersion\": 321,"), std::string::npos);
    EXPECT_NE(out_.str().find("\"Language\": \"zh-CN\","), std::string::npos);
    EXPECT_EQ(Run(InitCommand, {Folder(), "--force"}), kExitOk);
}

TEST_F(MervikctlTest, DumpReportsWhatLoadingFoundWrongAndAHugeFileEndsInFailure) {
    ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk);
    std::ofstream(folder_ / "config" / "Default1.gmp")
        << "[Setting]\r\nMouseSpeed=7\r\nOrientation=-1\r\n";
    ASSERT_EQ(Run(DumpCommand, {Folder()}), kExitOk);
    EXPECT_EQ(
        err_.str().rfind("mervikctl: profile 1: ProFileName DbleClickSpeed ScrollWheelSpeed ", 0),
        0u)
        << err_.str();
    EXPECT_NE(err_.str().find(" Orientation "), std::string::npos);
    EXPECT_EQ(out_.str().find("\"Orientation\": -1"), std::string::npos);
    EXPECT_NE(out_.str().find("\"MouseSpeed\": 7,"), std::string::npos);

    std::filesystem::resize_file(folder_ / "config" / "sequence.dat", uintmax_t{100} << 20);
    EXPECT_EQ(Run(DumpCommand, {Folder()}), kExitFailed);
    EXPECT_NE(out_.str().find("\"Macros\": []"), std::string::npos);
    const std::string expected =
        "mervikctl: " + (folder_ / "config" / "sequence.dat").string() + " is far larger";
    EXPECT_NE(err_.str().find(expected), std::string::npos) << err_.str();
}

// What Option's load would mend is what dump shows, with a note each.
TEST_F(MervikctlTest, DumpShowsMacroNamesMadeUniqueAndSaysWhenTheFileHoldsTooMany) {
    ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk);
    ASSERT_EQ(Run(RenameCommand, {Folder(), "0", "Shooter"}), kExitOk);
    MacroList list;
    list.Append(NewMacroRecord("Fire"));
    list.Append(NewMacroRecord("FIRE"));
    ASSERT_TRUE(SaveMacroList(FolderArgument(Folder()), list));
    const std::string profile2 = ProfileFilePath(FolderArgument(Folder()), 2);
    auto profile = std::make_unique<ProfileRecord>();
    ASSERT_TRUE(LoadProfile(*profile, profile2));
    profile->Buttons[3].Function = fn::Macro;
    SetTextField(profile->Buttons[3].MacroName, "FIRE");
    ASSERT_TRUE(SaveProfile(*profile, profile2));
    ASSERT_EQ(Run(DumpCommand, {Folder()}), kExitOk) << err_.str();
    EXPECT_NE(out_.str().find("\"Name\": \"FIRE (2)\""), std::string::npos);
    EXPECT_NE(out_.str().find("\"MacroName\": \"FIRE (2)\""), std::string::npos);
    EXPECT_NE(err_.str().find("mervikctl: sequence.dat: macro FIRE is named as macro Fire but for "
                              "case or blanks: renamed FIRE (2), and the buttons that play it "
                              "(1) with it\n"),
              std::string::npos)
        << err_.str();

    std::ofstream(folder_ / "config" / "sequence.dat", std::ios::binary)
        << "[Macros]\r\nnumber=12000\r\n";
    ASSERT_EQ(Run(DumpCommand, {Folder()}), kExitOk);
    EXPECT_NE(err_.str().find("mervikctl: sequence.dat counts 12000 macros, more than the 10000 "
                              "a list holds"),
              std::string::npos)
        << err_.str();
}

TEST_F(MervikctlTest, WrongUsageIsReported) {
    EXPECT_EQ(Run(InitCommand, {}), kExitUsage);
    EXPECT_EQ(Run(DumpCommand, {}), kExitUsage);
    EXPECT_EQ(Run(DumpCommand, {"a", "b"}), kExitUsage);
}

TEST(JsonText, TextsStayValidJsonWhateverTheirBytes) {
    EXPECT_EQ(JsonDocument(JsonOfBytes("a\"b\\c\n")), "\"a\\\"b\\\\c\\n\"\n");
    EXPECT_EQ(JsonDocument(JsonOfBytes("\xC5\xE4\x01")), "\"\\u00c5\\u00e4\\u0001\"\n");
    EXPECT_EQ(BytesOfJson(ParseJson("\"\\u00c5\\u00e4\\u0001\"")), "\xC5\xE4\x01");
}

} // namespace
} // namespace mervik::tools
