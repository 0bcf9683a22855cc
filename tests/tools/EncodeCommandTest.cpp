#include <gtest/gtest.h>

#include <memory>

#include "settings/FunctionCodes.h"
#include "settings/IniFile.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/tools/CommandFixture.h"

namespace mervik::tools {
namespace {

class EncodeCommandTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        ASSERT_EQ(Run(InitCommand, {Folder()}), kExitOk) << err_.str();
    }

    // Changes the folder's files as Option's Apply would.
    template <typename Edit> void EditImage(Edit edit) {
        auto image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        ASSERT_TRUE(LoadAll(*image, Folder() + "/"));
        edit(*image);
        ASSERT_TRUE(SaveAll(*image, Folder() + "/"));
    }
};

TEST_F(EncodeCommandTest, PrintsTheUploadOfTheCurrentProfile) {
    EditImage([](SharedSettingsBlock& image) {
        image.CurrentProfile = 1;
        image.Profiles[1].Buttons[2].Function = fn::Copy;
    });
    ASSERT_EQ(Run(EncodeCommand, {Folder()}), kExitOk) << err_.str();
    const std::string text = out_.str();
    EXPECT_EQ(text.rfind("feature 01 02 00 00 00 00 00 FC\nsleep 100\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nfeature 0B 03 08 00 00 00 00 E9\n"), std::string::npos);
    EXPECT_NE(text.find("\nfeature 12 01 40 00 00 00 00 AC\n"), std::string::npos);
    EXPECT_NE(
        text.find(
            "\nfeature 13 01 80 00 00 00 00 6B\nsleep 150\nwrite 32 00 01 01 E0 01 06 81 06 81 E0"),
        std::string::npos);
}

TEST_F(EncodeCommandTest, ProfileOptionPicksAnotherProfile) {
    EditImage([](SharedSettingsBlock& image) { image.Profiles[3].PollingRate = 3; });
    ASSERT_EQ(Run(EncodeCommand, {Folder(), "--profile", "3"}), kExitOk);
    EXPECT_EQ(out_.str().rfind("feature 01 01 00 00 00 00 00 FD\n", 0), 0u);
    EXPECT_EQ(out_.str().find("feature 13"), std::string::npos); // no sequence buttons
}

TEST_F(EncodeCommandTest, RefusesBadArguments) {
    for (Arguments args :
         {Arguments{}, Arguments{Folder(), "--profile"}, Arguments{Folder(), "--profile", "5"},
          Arguments{Folder(), "--profile", "1x"}, Arguments{Folder(), "--verbose", "1"}})
        EXPECT_EQ(Run(EncodeCommand, args), kExitUsage);
}

TEST_F(EncodeCommandTest, AFolderWithoutACurrentProfileEncodesTheFirstAsMonitorWould) {
    EditImage([](SharedSettingsBlock& image) { image.Profiles[0].Cpi_X = 4; });
    ASSERT_TRUE(IniFile(Folder() + "/config.ini").WriteInt("Setting", "CurrentProfile", 9));
    ASSERT_EQ(Run(EncodeCommand, {Folder(), "--profile", "0"}), kExitOk);
    const std::string first = out_.str();
    ASSERT_EQ(Run(EncodeCommand, {Folder()}), kExitOk);
    EXPECT_EQ(out_.str(), first);
    EXPECT_EQ(err_.str(), "mervikctl: CurrentProfile 9 is no profile: profile 0 made current\n");
}

} // namespace
} // namespace mervik::tools
