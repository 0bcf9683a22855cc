#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/ProfileDefaults.h"
#include "settings/ProfileIdentity.h"
#include "settings/TextField.h"

namespace mervik {
namespace {

std::unique_ptr<ProfileRecord> Profile(int index) {
    auto record = std::make_unique<ProfileRecord>();
    ResetProfile(*record, index);
    return record;
}

TEST(ProfileIdentity, RenameKeepsTheNameWithoutSurroundingBlanks) {
    auto p = Profile(1);
    EXPECT_EQ(RenameProfile(*p, "  Racing games  "), ProfileTextFault::None);
    EXPECT_EQ(ProfileName(*p), "Racing games");
    // Bytes above 0x7F are the system code page's letters, not control characters.
    EXPECT_EQ(RenameProfile(*p, "Sp\xE9l"), ProfileTextFault::None);
    EXPECT_EQ(ProfileName(*p), "Sp\xE9l");
}

TEST(ProfileIdentity, RefusedNamesLeaveTheRecordAsItWas) {
    auto p = Profile(2);
    const std::string fits(kProfileNameMax, 'n');
    struct Case {
        std::string name;
        ProfileTextFault fault;
    } cases[] = {
        {"", ProfileTextFault::Empty},
        {"   ", ProfileTextFault::Empty},
        // The tray menu would show only what stands before a tab.
        {"Racing\tgames", ProfileTextFault::LineBreak},
        {"Racing\t", ProfileTextFault::LineBreak},
        {fits + "n", ProfileTextFault::TooLong},
        {"two\nlines", ProfileTextFault::LineBreak},
        {"two\r\nlines", ProfileTextFault::LineBreak},
        {std::string("cut\0here", 8), ProfileTextFault::LineBreak},
        {"bell\x07", ProfileTextFault::LineBreak},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RenameProfile(*p, c.name), c.fault) << c.name.size() << " bytes";
        EXPECT_EQ(ProfileName(*p), "Default3");
    }
    // The longest name that fits, blanks around it included, is kept whole.
    EXPECT_EQ(RenameProfile(*p, "  " + fits + "  "), ProfileTextFault::None);
    EXPECT_EQ(ProfileName(*p), fits);
}

TEST(ProfileIdentity, LinkStoresTheWholePathOrNothing) {
    auto p = Profile(0);
    EXPECT_EQ(LinkedProgramName(*p), "");
    EXPECT_EQ(LinkProgram(*p, " C:\\Games\\Quake\\quake3.exe "), ProfileTextFault::None);
    EXPECT_EQ(LinkedProgramPath(*p), "C:\\Games\\Quake\\quake3.exe");
    EXPECT_EQ(LinkedProgramName(*p), "quake3.exe");

    const std::string longest = "C:\\" + std::string(kProgramPathMax - 11, 'd') + "\\game.exe";
    ASSERT_EQ(longest.size(), kProgramPathMax + 1);
    // One byte over: refused rather than cut to a path naming another file.
    EXPECT_EQ(LinkProgram(*p, longest), ProfileTextFault::TooLong);
    EXPECT_EQ(LinkProgram(*p, "C:\\Games\\"), ProfileTextFault::NoFileName);
    EXPECT_EQ(LinkProgram(*p, "C:\\a\nb.exe"), ProfileTextFault::LineBreak);
    EXPECT_EQ(LinkProgram(*p, "C:\\a\tb.exe"), ProfileTextFault::LineBreak);
    EXPECT_EQ(LinkProgram(*p, "   "), ProfileTextFault::Empty);
    EXPECT_EQ(LinkedProgramPath(*p), "C:\\Games\\Quake\\quake3.exe");

    EXPECT_EQ(LinkProgram(*p, longest.substr(1)), ProfileTextFault::None);
    EXPECT_EQ(LinkedProgramPath(*p), longest.substr(1));

    UnlinkProgram(*p);
    EXPECT_EQ(LinkedProgramPath(*p), "");
    EXPECT_EQ(LinkedProgramName(*p), "");
    EXPECT_EQ(p->GameFile[1], 0) << "no old bytes behind the empty path";
}

// A file without the key, with "ProFileName=" or a name holding a tab: the
// strip and mervikctl would refuse such a name, so it is never shown or saved.
TEST(ProfileIdentity, ARefusedNameFromOutsideBecomesTheDefaultName) {
    auto p = Profile(3);
    EXPECT_FALSE(RepairProfileName(*p, 3));
    ASSERT_EQ(RenameProfile(*p, "Kept"), ProfileTextFault::None);
    EXPECT_FALSE(RepairProfileName(*p, 3));
    EXPECT_EQ(ProfileName(*p), "Kept");
    for (const char* stored : {"", "   ", "Two\tparts", "a\x1b"}) {
        SetTextField(p->ProFileName, stored);
        EXPECT_TRUE(RepairProfileName(*p, 3)) << stored;
        EXPECT_EQ(ProfileName(*p), "Default4");
    }
}

TEST(ProfileIdentity, AFieldFromOutsideWithoutTerminatorStillReads) {
    auto p = Profile(0);
    std::fill(std::begin(p->GameFile), std::end(p->GameFile), 'x');
    p->GameFile[3] = '/';
    EXPECT_EQ(LinkedProgramName(*p).size(), sizeof p->GameFile - 4);
    std::fill(std::begin(p->ProFileName), std::end(p->ProFileName), 'n');
    EXPECT_EQ(ProfileName(*p).size(), sizeof p->ProFileName);
}

} // namespace
} // namespace mervik
