// export, import, backup and restore through the whole command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/tools/CommandFixture.h"

namespace mervik::tools {
namespace {

class ExchangeCommands : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        std::filesystem::create_directories(folder_);
        ASSERT_EQ(Run(InitCommand, {A()}), kExitOk) << err_.str();
        ASSERT_EQ(Run(InitCommand, {B()}), kExitOk) << err_.str();
    }
    std::string A() const { return (folder_ / "a").string(); }
    std::string B() const { return (folder_ / "b").string(); }
    std::string File(const char* name) const { return (folder_ / name).string(); }

    static std::string Slurp(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Encoded(const std::string& folder, const char* profile) {
        EXPECT_EQ(Run(EncodeCommand, {folder, "--profile", profile}), kExitOk) << err_.str();
        return out_.str();
    }
    // The "Macros" part of the dump.
    std::string Macros(const std::string& folder) {
        EXPECT_EQ(Run(DumpCommand, {folder}), kExitOk) << err_.str();
        return out_.str().substr(out_.str().find("\"Macros\""));
    }
    // Profile 1 of A plays a macro on button 3: what Option would have saved.
    void GiveAMacroButton() {
        Put(folder_ / "a" / "config" / "sequence.dat",
            "[Macros]\r\nnumber=1\r\n0=" + MacroValue() + "\r\n");
        ASSERT_EQ(Run(RenameCommand, {A(), "1", "Racing"}), kExitOk);
        const auto path = folder_ / "a" / "config" / "Default1.gmp";
        std::string profile = Slurp(path);
        const std::string key = "MacroKeyInfo3=";
        const size_t at = profile.find(key) + key.size();
        profile.replace(at, profile.find("\r\n", at) - at, SlotValue());
        Put(path, profile);
    }
    // Structure values of the INI files: the bytes in hex, then their sum.
    static std::string Hex(const std::vector<uint8_t>& bytes) {
        static const char digits[] = "0123456789ABCDEF";
        std::string text;
        unsigned sum = 0;
        for (uint8_t b : bytes) {
            text += digits[b >> 4];
            text += digits[b & 15];
            sum += b;
        }
        return text + digits[(sum >> 4) & 15] + digits[sum & 15];
    }
    static const std::vector<uint8_t>& Steps() {
        static const std::vector<uint8_t> steps{4, 1, 0x10, 0, 4, 2, 0, 0};
        return steps;
    }
    static std::string MacroValue() {
        std::vector<uint8_t> record(260, 0);
        std::memcpy(record.data(), "Burst", 5);
        record[52] = 3; // repeat
        record[56] = 2; // steps
        std::copy(Steps().begin(), Steps().end(), record.begin() + 60);
        return Hex(record);
    }
    static std::string SlotValue() {
        std::vector<uint8_t> slot(504, 0);
        slot[0] = 3;
        slot[1] = 6; // macro
        slot[12] = 1;
        std::memcpy(slot.data() + 16, "Burst", 5);
        slot[36] = 3;
        slot[40] = 2;
        std::copy(Steps().begin(), Steps().end(), slot.begin() + 42);
        return Hex(slot);
    }
};

TEST_F(ExchangeCommands, AnExportedProfileGivesTheSameUploadAndMacrosElsewhere) {
    GiveAMacroButton();
    ASSERT_EQ(Run(ExportCommand, {A(), "1", File("racing.mervik-profile")}), kExitOk) << err_.str();
    EXPECT_EQ(out_.str(), "profile 1 (Racing) exported to " + File("racing.mervik-profile") +
                              " with 1 macros\n");
    ASSERT_EQ(Run(ImportCommand, {B(), "4", File("racing.mervik-profile")}), kExitOk) << err_.str();
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(out_.str(), "profile 4: Racing imported from " + File("racing.mervik-profile") +
                              ", 1 macros added\n");
    EXPECT_EQ(Encoded(B(), "4"), Encoded(A(), "1"));
    EXPECT_EQ(Macros(B()), Macros(A()));

    // Again: the macro is there with the same steps, so nothing is added.
    ASSERT_EQ(Run(ImportCommand, {B(), "2", File("racing.mervik-profile")}), kExitOk);
    EXPECT_EQ(Macros(B()), Macros(A()));
}

TEST_F(ExchangeCommands, ARefusedImportChangesNothing) {
    Put(folder_ / "bad.mervik-profile", "{\"format\": \"mervik-profile\", \"version\": 9}");
    const std::string before = Slurp(folder_ / "b" / "config" / "Default2.gmp");
    EXPECT_EQ(Run(ImportCommand, {B(), "2", File("bad.mervik-profile")}), kExitFailed);
    EXPECT_NE(err_.str().find("newer version"), std::string::npos) << err_.str();
    EXPECT_EQ(Slurp(folder_ / "b" / "config" / "Default2.gmp"), before);
    EXPECT_EQ(Run(ImportCommand, {B(), "2", File("none")}), kExitFailed);
    EXPECT_EQ(Run(ImportCommand, {B(), "5", File("none")}), kExitUsage);
    EXPECT_EQ(Run(ExportCommand, {B(), "2"}), kExitUsage);
}

TEST_F(ExchangeCommands, RestoreUndoesAFactoryResetByteForByte) {
    GiveAMacroButton();
    ASSERT_EQ(Run(UseCommand, {A(), "1"}), kExitOk);
    std::vector<std::string> before;
    const char* files[] = {"config.ini",          "config/Default0.gmp", "config/Default1.gmp",
                           "config/Default2.gmp", "config/Default3.gmp", "config/Default4.gmp",
                           "config/sequence.dat"};
    for (const char* f : files)
        before.push_back(Slurp(folder_ / "a" / f));
    ASSERT_EQ(Run(BackupCommand, {A(), File("all.mervik-backup")}), kExitOk) << err_.str();
    ASSERT_EQ(Run(InitCommand, {A(), "--force"}), kExitOk);
    ASSERT_NE(Slurp(folder_ / "a" / "config/Default1.gmp"), before[2]);
    ASSERT_EQ(Run(RestoreCommand, {A(), File("all.mervik-backup")}), kExitOk) << err_.str();
    for (size_t i = 0; i < std::size(files); ++i)
        EXPECT_EQ(Slurp(folder_ / "a" / files[i]), before[i]) << files[i];

    // A backup that is not one refuses to restore.
    Put(folder_ / "x", "{}");
    EXPECT_EQ(Run(RestoreCommand, {A(), File("x")}), kExitFailed);
    EXPECT_NE(err_.str().find("nothing changed"), std::string::npos) << err_.str();
}

} // namespace
} // namespace mervik::tools
