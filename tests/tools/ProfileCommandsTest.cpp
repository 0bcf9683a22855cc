#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/tools/CommandFixture.h"

namespace mervik::tools {
namespace {

class ProfileCommands : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk) << err_.str();
    }
    std::string Listing() {
        EXPECT_EQ(Run(ProfilesCommand, {Folder()}), kExitOk) << err_.str();
        return out_.str();
    }
    std::string Json() {
        EXPECT_EQ(Run(ProfilesCommand, {Folder(), "--json"}), kExitOk) << err_.str();
        return out_.str();
    }
    static std::string Slurp(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(ProfileCommands, ListsNamesLinksAndTheCurrentProfile) {
    EXPECT_EQ(Listing(), "* 0  Default1\n  1  Default2\n  2  Default3\n  3  Default4\n"
                         "  4  Default5\n");
    ASSERT_EQ(Run(RenameCommand, {Folder(), "3", "  Shooter  "}), kExitOk) << err_.str();
    ASSERT_EQ(Run(LinkCommand, {Folder(), "3", "C:\\Games\\Quake\\quake3.exe"}), kExitOk);
    ASSERT_EQ(Run(UseCommand, {Folder(), "3"}), kExitOk) << err_.str();
    EXPECT_EQ(out_.str(), "profile 3 is current from the next start of Monitor\n");
    EXPECT_EQ(Listing(), "  0  Default1\n  1  Default2\n  2  Default3\n"
                         "* 3  Shooter  [quake3.exe: C:\\Games\\Quake\\quake3.exe]\n"
                         "  4  Default5\n");
    const std::string json = Json();
    EXPECT_NE(json.find("\"CurrentProfile\": 3,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"Index\": 3,\n      \"ProFileName\": \"Shooter\",\n"
                        "      \"GameFile\": \"C:\\\\Games\\\\Quake\\\\quake3.exe\",\n"
                        "      \"Program\": \"quake3.exe\",\n      \"Current\": true"),
              std::string::npos)
        << json;

    ASSERT_EQ(Run(UnlinkCommand, {Folder(), "3"}), kExitOk);
    EXPECT_NE(Json().find("\"GameFile\": \"\",\n      \"Program\": \"\",\n      \"Current\": true"),
              std::string::npos);
}

TEST_F(ProfileCommands, EachChangeTouchesItsOwnFileAlone) {
    const auto config = folder_ / "config.ini";
    const auto profile1 = folder_ / "config" / "Default1.gmp";
    const auto profile2 = folder_ / "config" / "Default2.gmp";
    const std::string configBefore = Slurp(config), profile2Before = Slurp(profile2);
    ASSERT_EQ(Run(RenameCommand, {Folder(), "1", "Work"}), kExitOk);
    EXPECT_EQ(Slurp(config), configBefore);
    EXPECT_EQ(Slurp(profile2), profile2Before);
    const std::string profile1After = Slurp(profile1);
    ASSERT_EQ(Run(UseCommand, {Folder(), "4"}), kExitOk);
    EXPECT_EQ(Slurp(profile1), profile1After);
    EXPECT_NE(Slurp(config).find("CurrentProfile=4\r\n"), std::string::npos);
}

TEST_F(ProfileCommands, RefusedTextsChangeNothingAndSayWhy) {
    const auto profile0 = folder_ / "config" / "Default0.gmp";
    const std::string before = Slurp(profile0);
    struct Case {
        int (*command)(const Arguments&, Streams);
        std::string text;
        std::string says;
    } cases[] = {
        {RenameCommand, "   ", "the name refused: it is empty; nothing changed"},
        {RenameCommand, std::string(250, 'n'), "it is too long (at most 249 bytes)"},
        {RenameCommand, "a\nb", "line break"},
        {RenameCommand, "Racing\tgames", "a line break or another control character"},
        {LinkCommand, "C:\\" + std::string(495, 'd') + "\\g.exe", "(at most 501 bytes)"},
        {LinkCommand, "C:\\Games\\", "names a folder"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.command, {Folder(), "0", c.text}), kExitFailed);
        EXPECT_NE(err_.str().find(c.says), std::string::npos) << err_.str();
        EXPECT_EQ(Slurp(profile0), before);
    }
}

TEST_F(ProfileCommands, WrongUsageIsToldApartFromFailure) {
    EXPECT_EQ(Run(UseCommand, {Folder(), "5"}), kExitUsage);
    EXPECT_EQ(Run(UseCommand, {Folder(), "-1"}), kExitUsage);
    EXPECT_EQ(Run(UseCommand, {Folder(), "01"}), kExitUsage);
    EXPECT_EQ(Run(RenameCommand, {Folder(), "1"}), kExitUsage);
    EXPECT_EQ(Run(UnlinkCommand, {Folder(), "1", "extra"}), kExitUsage);
    EXPECT_EQ(Run(ProfilesCommand, {Folder(), "--json", "more"}), kExitUsage);
    EXPECT_EQ(Run(ProfilesCommand, {}), kExitUsage);
}

// A file the suite cannot read is damaged or someone else's: no command
// writes over it, and each says so with a failure.
TEST_F(ProfileCommands, AnUnreadableFileIsNeverWrittenOver) {
    const auto config = folder_ / "config.ini";
    const auto profile2 = folder_ / "config" / "Default2.gmp";
    std::filesystem::resize_file(config, uintmax_t{2} << 20); // over the INI limit
    std::filesystem::resize_file(profile2, uintmax_t{2} << 20);
    EXPECT_EQ(Run(UseCommand, {Folder(), "2"}), kExitFailed);
    EXPECT_NE(err_.str().find("could not write"), std::string::npos) << err_.str();
    EXPECT_EQ(Run(RenameCommand, {Folder(), "2", "X"}), kExitFailed);
    EXPECT_NE(err_.str().find("nothing changed"), std::string::npos) << err_.str();
    EXPECT_EQ(std::filesystem::file_size(config), uintmax_t{2} << 20);
    EXPECT_EQ(std::filesystem::file_size(profile2), uintmax_t{2} << 20);
    // The listing still shows what could be read, and fails.
    EXPECT_EQ(Run(ProfilesCommand, {Folder()}), kExitFailed);
    EXPECT_NE(out_.str().find("  1  Default2\n"), std::string::npos);
    // Another profile's file is fine to change.
    EXPECT_EQ(Run(RenameCommand, {Folder(), "1", "Fine"}), kExitOk) << err_.str();
}

} // namespace
} // namespace mervik::tools
