#include "settings/SettingsFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/FunctionCodes.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/IniValues.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/settings/TempFolder.h"
#include "tests/support/FakeRegistryStore.h"

namespace mervik {
namespace {

using testing::FillSampleImage;
using testing::FillSampleProfile;
using testing::TempFolder;

std::unique_ptr<SharedSettingsBlock> NewImage() {
    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0x5A, sizeof *image); // stale bytes that a load must not leave
    CreateImage(*image);
    return image;
}

void ExpectSameProfile(const ProfileRecord& a, const ProfileRecord& b) {
    EXPECT_STREQ(a.ProFileName, b.ProFileName);
    EXPECT_STREQ(a.GameFile, b.GameFile);
    EXPECT_EQ(
        std::memcmp(&a.DbleClickSpeed, &b.DbleClickSpeed,
                    offsetof(ProfileRecord, Buttons) - offsetof(ProfileRecord, DbleClickSpeed)),
        0)
        << "an integer or byte field differs";
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_EQ(std::memcmp(&a.Buttons[s], &b.Buttons[s], sizeof(ButtonAssignment)), 0)
            << "slot " << s;
}

TEST(SettingsFiles, SaveAllThenLoadAllGivesBackEveryField) {
    TempFolder dir;
    auto saved = NewImage();
    FillSampleImage(*saved);
    ASSERT_TRUE(SaveAll(*saved, dir.Folder()));
    auto loaded = NewImage();
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder()));
    EXPECT_EQ(loaded->CurrentProfile, 2);
    EXPECT_EQ(loaded->MouseType, 3);
    EXPECT_EQ(loaded->LedType, 1);
    for (int n = 0; n < kProfileCount; ++n) {
        SCOPED_TRACE(n);
        ExpectSameProfile(loaded->Profiles[n], saved->Profiles[n]);
    }
}

TEST(SettingsFiles, SavingTwiceChangesNothingAndKeepsForeignLines) {
    TempFolder dir;
    auto image = NewImage();
    FillSampleImage(*image);
    std::filesystem::create_directory(dir.File("config"));
    const std::string path = ProfileFilePath(dir.Folder(), 1);
    TempFolder::Write(
        path,
        "; written by hand\r\n[Setting]\r\nUnknownKey=17\r\nMouseSpeed=3\r\n[Extra]\r\nx=y\r\n");
    ASSERT_TRUE(SaveAll(*image, dir.Folder()));
    std::string first = TempFolder::Read(path);
    EXPECT_EQ(first.rfind("; written by hand\r\n[Setting]\r\nUnknownKey=17\r\nMouseSpeed=", 0), 0u);
    EXPECT_NE(first.find("\r\n[Extra]\r\nx=y\r\n"), std::string::npos);
    ASSERT_TRUE(SaveAll(*image, dir.Folder()));
    EXPECT_EQ(TempFolder::Read(path), first);
}

TEST(SettingsFiles, AMissingProfileFileGivesThatProfileItsDefaultsOnly) {
    TempFolder dir;
    auto saved = NewImage();
    FillSampleImage(*saved);
    ASSERT_TRUE(SaveAll(*saved, dir.Folder()));
    std::filesystem::remove(ProfileFilePath(dir.Folder(), 3));

    auto loaded = NewImage();
    EXPECT_TRUE(LoadAll(*loaded, dir.Folder()));
    EXPECT_STREQ(loaded->Profiles[3].ProFileName, "Default4");
    EXPECT_EQ(loaded->Profiles[3].Buttons[17].Function, 2);
    ExpectSameProfile(loaded->Profiles[2], saved->Profiles[2]);
    ExpectSameProfile(loaded->Profiles[4], saved->Profiles[4]);
}

TEST(SettingsFiles, NoFilesAtAllGiveDefaultProfilesTheFirstOneCurrent) {
    TempFolder dir;
    auto loaded = NewImage();
    EXPECT_TRUE(LoadAll(*loaded, dir.Folder()));
    EXPECT_EQ(loaded->CurrentProfile, 0);
    EXPECT_EQ(loaded->MouseType, -1);
    EXPECT_EQ(loaded->LedType, -1);
    EXPECT_STREQ(loaded->Profiles[0].ProFileName, "Default1");
}

TEST(SettingsFiles, AnUnreadableProfileFileIsReportedAndNotOverwritten) {
    TempFolder dir;
    std::filesystem::create_directories(dir.File("config") + kPathSeparator + "Default2.gmp");
    auto image = NewImage();
    EXPECT_FALSE(LoadAll(*image, dir.Folder()));
    EXPECT_STREQ(image->Profiles[2].ProFileName, "Default3");
    EXPECT_FALSE(SaveAll(*image, dir.Folder()));
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFilePath(dir.Folder(), 2)));
    EXPECT_TRUE(
        std::filesystem::exists(ProfileFilePath(dir.Folder(), 4))); // the rest were still written
}

// Random bytes, an empty file or another program's INI: read key by key it
// would leave the fields without a range at -1 and the name empty.
TEST(SettingsFiles, AProfileFileWithoutAProfileIsDamagedAndGivesItsDefaults) {
    TempFolder dir;
    auto saved = NewImage();
    FillSampleImage(*saved);
    ASSERT_TRUE(SaveAll(*saved, dir.Folder()));
    const std::string damaged = ProfileFilePath(dir.Folder(), 1);
    for (const char* bytes : {"\x8f\x03garbage\r\n[Other]\r\nMouseSpeed=3\r\n", ""}) {
        TempFolder::Write(damaged, bytes);
        auto loaded = NewImage();
        LoadNotes notes;
        EXPECT_FALSE(LoadAll(*loaded, dir.Folder(), nullptr, &notes));
        EXPECT_STREQ(loaded->Profiles[1].ProFileName, "Default2");
        EXPECT_EQ(loaded->Profiles[1].TiltSpeed, 3);
        ExpectSameProfile(loaded->Profiles[2], saved->Profiles[2]);
        ASSERT_FALSE(notes.empty());
        EXPECT_EQ(notes[0], damaged + " holds no profile: taken as damaged, that profile has its "
                                      "defaults");
    }
    // One key of a profile is a profile file, however much else is missing.
    TempFolder::Write(damaged, "[Setting]\r\ndpibyDpiIndicator2=4\r\n");
    auto loaded = NewImage();
    EXPECT_TRUE(LoadAll(*loaded, dir.Folder()));
    EXPECT_EQ(loaded->Profiles[1].dpiIndicator[2], 4);
}

// Saved back, an empty name would be "ProFileName=", which the strip and
// mervikctl refuse; a name with a tab shows cut in the tray menu.
TEST(SettingsFiles, AMissingOrRefusedNameLoadsAsTheDefaultName) {
    TempFolder dir;
    auto saved = NewImage();
    FillSampleImage(*saved);
    ASSERT_TRUE(SaveAll(*saved, dir.Folder()));
    const std::string path = ProfileFilePath(dir.Folder(), 2);
    for (const char* stored : {static_cast<const char*>(nullptr), "", "Left\tRight"}) {
        IniDocument file(TempFolder::Read(path));
        if (stored)
            file.WriteText("Setting", "ProFileName", stored);
        else
            file = IniDocument("[Setting]\r\nMouseSpeed=4\r\n");
        TempFolder::Write(path, file.Bytes());
        auto loaded = NewImage();
        LoadNotes notes;
        ASSERT_TRUE(LoadAll(*loaded, dir.Folder(), nullptr, &notes));
        EXPECT_STREQ(loaded->Profiles[2].ProFileName, "Default3");
        ASSERT_FALSE(notes.empty());
        EXPECT_EQ(notes.back().rfind("profile 2: ProFileName ", 0), 0u) << notes.back();
        ASSERT_TRUE(SaveAll(*loaded, dir.Folder()));
        EXPECT_EQ(IniDocument(TempFolder::Read(path)).ReadText("Setting", "ProFileName", "-"),
                  "Default3");
    }
}

TEST(SettingsFiles, AFailedWriteIsReported) {
    TempFolder dir;
    TempFolder::Write(dir.File("config"), "a file where the folder should be");
    auto image = NewImage();
    ResetAllProfiles(*image);
    EXPECT_FALSE(SaveAll(*image, dir.Folder()));
    EXPECT_EQ(IniFile(ConfigFilePath(dir.Folder())).ReadInt("Setting", "CurrentProfile", -1), 0);
}

TEST(SettingsFiles, PointerSettingsFollowTheActiveProfileOnly) {
    TempFolder dir;
    testing::FakeRegistryStore registry;
    auto image = NewImage();
    ResetAllProfiles(*image);
    image->CurrentProfile = 1;
    image->Profiles[1].DbleClickSpeed = 321;
    image->Profiles[0].DbleClickSpeed = 999;
    ASSERT_TRUE(SaveAll(*image, dir.Folder(), &registry));
    EXPECT_EQ(registry.Mouse("DoubleClickSpeed"), "321");

    registry.values[{RegistryKey::Mouse, "DoubleClickSpeed"}] = "654";
    auto loaded = NewImage();
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder(), &registry));
    EXPECT_EQ(loaded->Profiles[1].DbleClickSpeed, 654);
    EXPECT_EQ(loaded->Profiles[0].DbleClickSpeed, 999);

    // No active profile: saving leaves the registry alone; loading a file that
    // names none makes the first profile current, and that one takes the
    // registry's values.
    testing::FakeRegistryStore untouched;
    image->CurrentProfile = 5;
    ASSERT_TRUE(SaveAll(*image, dir.Folder(), &untouched));
    EXPECT_TRUE(untouched.values.empty());
    ASSERT_TRUE(IniFile(ConfigFilePath(dir.Folder())).WriteInt("Setting", "CurrentProfile", 5));
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder(), &registry));
    EXPECT_EQ(loaded->CurrentProfile, 0);
    EXPECT_EQ(loaded->Profiles[0].DbleClickSpeed, 654);

    testing::FakeRegistryStore locked;
    locked.mouseOpens = false;
    image->CurrentProfile = 0;
    EXPECT_FALSE(SaveAll(*image, dir.Folder(), &locked));
}

// A profile file with one line changed from what the suite writes.
class ProfileFileEdits : public ::testing::Test {
protected:
    void SetUp() override {
        FillSampleProfile(original, 3);
        WriteProfile(original, file);
    }
    ProfileRecord Load() const {
        ProfileRecord r;
        std::memset(&r, 0x5A, sizeof r);
        ReadProfile(file, r);
        return r;
    }
    ProfileRecord original{};
    IniDocument file;
};

TEST_F(ProfileFileEdits, IndicatorsReadTheWrittenNameThenTheSecondNameThenMinusOne) {
    file.WriteText("Setting", "dpibyDpiIndicator0", "9"); // ignored: the written name is there
    IniDocument noIndicators;
    noIndicators.WriteText("Setting", "dpibyDpiIndicator1", "7");
    ProfileRecord r = Load();
    EXPECT_EQ(r.dpiIndicator[0], original.dpiIndicator[0]);
    ProfileRecord bare{};
    ReadProfile(noIndicators, bare);
    EXPECT_EQ(bare.dpiIndicator[1], 7);
    EXPECT_EQ(bare.dpiIndicator[0], 0xFF);
    EXPECT_EQ(bare.ModeStatus, 0xFF);
    EXPECT_EQ(bare.MouseSpeed, -1);
}

TEST_F(ProfileFileEdits, ByteFieldsAreWrittenUnsignedAndKeepTheLowBits) {
    EXPECT_EQ(file.Find("Setting", "DpiIndicationType").value_or(""), "254");
    file.WriteText("Setting", "ModeStatus", "258");
    EXPECT_EQ(Load().ModeStatus, 2);
}

TEST_F(ProfileFileEdits, OverlongTextsAreCutToTheirFields) {
    file.WriteText("Setting", "ProFileName", std::string(300, 'n'));
    file.WriteText("Setting", "GameFile", std::string(600, 'g'));
    ProfileRecord r = Load();
    EXPECT_EQ(std::strlen(r.ProFileName), 249u);
    EXPECT_EQ(std::strlen(r.GameFile), 501u);
}

TEST_F(ProfileFileEdits, MissingOrDamagedSlotsGetTheirDefaults) {
    std::string sound(*file.Find("Setting", "MacroKeyInfo20"));
    file.WriteText("Setting", "MacroKeyInfo20",
                   sound.substr(0, sound.size() - 2) + "00");     // bad checksum
    file.WriteText("Setting", "MacroKeyInfo21", sound.substr(2)); // too short
    file.WriteText("Setting", "MacroKeyInfo22", "");
    ProfileRecord r = Load();
    for (int s : {20, 21, 22}) {
        EXPECT_EQ(r.Buttons[s].Slot, s);
        EXPECT_EQ(r.Buttons[s].Function, fn::DefaultFunction(s));
        EXPECT_EQ(r.Buttons[s].EventCount, 0);
        EXPECT_EQ(r.Buttons[s].MacroName[0], '\0');
        EXPECT_EQ(r.Buttons[s].FireInterval, 0);
    }
    EXPECT_EQ(std::memcmp(&r.Buttons[23], &original.Buttons[23], sizeof(ButtonAssignment)), 0);
}

TEST_F(ProfileFileEdits, SoundSlotsAreBoundedBeforeUse) {
    ButtonAssignment hostile;
    std::memset(&hostile, 'A', sizeof hostile);
    hostile.EventCount = 60000;
    file.WriteStruct("Setting", "MacroKeyInfo9", &hostile, sizeof hostile);
    ButtonAssignment b = Load().Buttons[9];
    EXPECT_EQ(b.Slot, 9);
    EXPECT_EQ(b.EventCount, kMaxMacroEvents);
    EXPECT_EQ(std::strlen(b.MacroName), sizeof b.MacroName - 1);
    EXPECT_EQ(std::strlen(b.ProgramPath), sizeof b.ProgramPath - 1);
    EXPECT_EQ(b.Function, 'A'); // the rest is kept as stored
}

TEST(ConfigFile, SingleReadersDefaultsAndTheDeviceFlag) {
    TempFolder dir;
    const std::string path = ConfigFilePath(dir.Folder());
    EXPECT_EQ(ReadFWVersion(path), 100);
    EXPECT_EQ(ReadMouseColor(path), 0);
    EXPECT_EQ(ReadMouseType(path), 0);
    EXPECT_EQ(ReadLedType(path), 0);
    EXPECT_EQ(ReadDevice(path), 0);
    TempFolder::Write(path,
                      "[Setting]\r\nFWVersion=205\r\nMouseColor=2\r\nMouseType=1\r\nLedType=3\r\n");
    EXPECT_TRUE(WriteDevice(path, 1));
    EXPECT_EQ(ReadFWVersion(path), 205);
    EXPECT_EQ(ReadMouseColor(path), 2);
    EXPECT_EQ(ReadMouseType(path), 1);
    EXPECT_EQ(ReadLedType(path), 3);
    EXPECT_EQ(ReadDevice(path), 1);
    EXPECT_EQ(
        TempFolder::Read(path),
        "[Setting]\r\nFWVersion=205\r\nMouseColor=2\r\nMouseType=1\r\nLedType=3\r\nDevice=1\r\n");
}

TEST(ConfigFile, OsdSettingsKeepTheirContentWhenTheValueIsMissingOrDamaged) {
    TempFolder dir;
    const std::string path = ConfigFilePath(dir.Folder());
    OsdSettings settings;
    settings.bytes[8] = 1;
    EXPECT_FALSE(ReadOsdSettings(path, settings));
    EXPECT_EQ(settings.ProfileNoticeFlag(), 1);

    OsdSettings stored;
    stored.bytes[24] = 1;
    stored.bytes[32] = 0x34;
    stored.bytes[33] = 0x12;
    stored.bytes[36] = 0xFE;
    stored.bytes[37] = 0xFF;
    std::string value = ini::EncodeStruct(stored.bytes, sizeof stored.bytes);
    TempFolder::Write(path,
                      "[OSDSetting]\r\nconfig=" + value.substr(0, value.size() - 1) + "F\r\n");
    EXPECT_FALSE(ReadOsdSettings(path, settings));
    EXPECT_EQ(settings.ProfileNoticeFlag(), 1);

    TempFolder::Write(path, "[OSDSetting]\r\nconfig=" + value + "\r\n");
    EXPECT_TRUE(ReadOsdSettings(path, settings));
    EXPECT_EQ(settings.ProfileNoticeFlag(), 0);
    EXPECT_EQ(settings.DpiNoticeFlag(), 1);
    EXPECT_EQ(settings.NoticeX(), 0x1234);
    EXPECT_EQ(settings.NoticeY(), -2);
}

// The display's defaults go in only where no readable record is; a record
// written is read back whole, the bytes no one interprets included.
TEST(ConfigFile, OsdSettingsDefaultsOnlyWhereNoneIsAndRoundTrip) {
    TempFolder dir;
    const std::string path = ConfigFilePath(dir.Folder());
    TempFolder::Write(path, "[Setting]\r\nDevice=1\r\n[OSDSetting]\r\nconfig=0102\r\n");
    OsdSettings settings;
    EXPECT_TRUE(EnsureOsdSettings(path, settings));
    EXPECT_EQ(settings, DefaultOsdSettings());
    EXPECT_TRUE(settings.ShowsProfileNotices());
    EXPECT_TRUE(settings.ShowsDpiNotices());
    EXPECT_EQ(settings.NoticeX(), 500);
    EXPECT_EQ(settings.NoticeY(), 1000);
    EXPECT_EQ(ReadDevice(path), 1);

    OsdSettings edited = settings;
    edited.SetShowsDpiNotices(false);
    edited.SetNoticePosition(-3, 1000);
    edited.bytes[300] = 0xAB;
    ASSERT_TRUE(WriteOsdSettings(path, edited));
    EXPECT_TRUE(EnsureOsdSettings(path, settings));
    EXPECT_EQ(settings, edited);
    EXPECT_EQ(settings.DpiNoticeFlag(), 0);
    EXPECT_TRUE(settings.ShowsProfileNotices());
    EXPECT_EQ(settings.NoticeX(), -3);

    // Only exactly 1 is on, as the service has always read the flags.
    settings.bytes[8] = 2;
    EXPECT_FALSE(settings.ShowsProfileNotices());
}

TEST(FilePaths, ProgramFolderAndFileNames) {
    EXPECT_EQ(ProgramFolderOf("Monitor.exe"), "");
    EXPECT_EQ(ConfigFilePath(""), "config.ini");
#ifdef _WIN32
    EXPECT_EQ(ProgramFolderOf("C:\\Suite\\Monitor.exe"), "C:\\Suite\\");
    EXPECT_EQ(ProgramFolderOf("C:/Suite/Monitor.exe"), "C:/Suite/");
    EXPECT_EQ(ProfileFilePath("C:\\Suite\\", 0), "C:\\Suite\\config\\Default0.gmp");
#else
    EXPECT_EQ(ProgramFolderOf("/opt/suite/mervikctl"), "/opt/suite/");
    EXPECT_EQ(ProfileFilePath("/opt/suite/", 4), "/opt/suite/config/Default4.gmp");
#endif
}

} // namespace
} // namespace mervik
