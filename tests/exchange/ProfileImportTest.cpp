// Import is untrusted input: every field is checked as a profile file's is,
// macros join the list without taking another macro's name, and the buttons
// follow every name a macro gets.
#include <gtest/gtest.h>

#include <cstring>

#include "exchange/JsonText.h"
#include "exchange/ProfileImport.h"
#include "exchange/ProfileSharingFile.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileIdentity.h"
#include "settings/TextField.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

MacroRecord Macro(const std::string& name, std::initializer_list<MacroEvent> steps,
                  int repeat = 1) {
    MacroRecord m{};
    SetTextField(m.Name, name);
    m.RepeatCount = repeat;
    for (const MacroEvent& e : steps)
        m.Events[m.EventCount++] = e;
    return m;
}

void PlayOn(ProfileRecord& profile, int slot, const MacroRecord& m) {
    ButtonAssignment& b = profile.Buttons[slot];
    b.Function = fn::Macro;
    std::memset(b.MacroName, 0, sizeof b.MacroName);
    std::memcpy(b.MacroName, m.Name, std::min(sizeof b.MacroName - 1, std::strlen(m.Name)));
    b.MacroRepeat = m.RepeatCount;
    b.EventCount = static_cast<uint16_t>(m.EventCount);
    std::memcpy(b.Events, m.Events, sizeof b.Events);
}

ImportPlan Plan(const std::string& text, const MacroList& list = {}, int index = 1) {
    std::string error;
    std::optional<ImportPlan> plan = PlanProfileImport(text, index, list, error);
    EXPECT_TRUE(plan) << error;
    return plan ? std::move(*plan) : ImportPlan{};
}

bool Noted(const ImportPlan& plan, const std::string& part) {
    for (const std::string& note : plan.notes)
        if (note.find(part) != std::string::npos)
            return true;
    return false;
}

const MacroEvent kA{4, MacroPress, 0}, kAUp{4, MacroRelease, 0}, kB{5, MacroPress, 0};

TEST(ProfileImport, FieldsAreCheckedAsAProfileFilesAre) {
    auto profile = testing::DefaultProfile();
    Json file = ParseJson(WriteProfileSharingFile(*profile));
    Json& p = file["profile"];
    p["Orientation"] = -1;    // would swap the system's buttons
    p["PollingRate"] = 9;     // no report rate
    p["MouseSpeed"] = "fast"; // no number: missing, then its default
    p["ProFileName"] = "Tab\there";
    p["GameFile"] = "C:\\Games\\";
    p["MacroKeyInfo"][3] = Json::object({{"Function", 300}});
    p["MacroKeyInfo"][4]["EventCount"] = 7; // more steps than it lists
    p["MacroKeyInfo"].erase(63);
    const ImportPlan plan = Plan(JsonDocument(file));
    const ProfileRecord& r = *plan.profile;
    EXPECT_EQ(r.Orientation, 0);
    EXPECT_EQ(r.PollingRate, 2);
    EXPECT_EQ(r.MouseSpeed, 10);
    EXPECT_EQ(ProfileName(r), "Default2") << "profile 1's default name";
    EXPECT_EQ(LinkedProgramPath(r), "");
    EXPECT_EQ(r.Buttons[3].Function, fn::DefaultFunction(3));
    EXPECT_EQ(r.Buttons[4].Function, fn::DefaultFunction(4));
    EXPECT_EQ(r.Buttons[63].Function, fn::DefaultFunction(63));
    for (const char* part : {"Orientation", "PollingRate", "MouseSpeed", "ProFileName", "GameFile",
                             "slot 3", "slot 4", "slot 63"})
        EXPECT_TRUE(Noted(plan, part)) << part;
    EXPECT_GE(plan.mended, 8u);
}

TEST(ProfileImport, AMacroNameTakenWithOtherStepsGetsANewNameAndTheButtonsFollow) {
    MacroList list;
    list.Append(Macro("Fire", {kA, kAUp}));
    list.Append(Macro("Same", {kB}));
    auto profile = testing::DefaultProfile();
    PlayOn(*profile, 2, Macro("fire", {kB, kB})); // other steps under the name, but for case
    PlayOn(*profile, 3, Macro("Same", {kB}));     // the very macro the list holds
    PlayOn(*profile, 34, Macro("fire", {kB, kB}));
    const ImportPlan plan = Plan(WriteProfileSharingFile(*profile), list);
    ASSERT_EQ(plan.added.size(), 1u);
    EXPECT_EQ(TextOfField(plan.added[0].Name), "fire (2)");
    EXPECT_EQ(plan.added[0].EventCount, 2);
    EXPECT_EQ(TextOfField(plan.profile->Buttons[2].MacroName), "fire (2)");
    EXPECT_EQ(TextOfField(plan.profile->Buttons[34].MacroName), "fire (2)");
    EXPECT_EQ(TextOfField(plan.profile->Buttons[3].MacroName), "Same");
    EXPECT_TRUE(Noted(plan, "imported as fire (2)"));
    EXPECT_EQ(plan.mended, 0u) << "a new name mends nothing";

    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0, sizeof *image);
    ApplyProfileImport(plan, *image, 1, list);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(std::memcmp(&image->Profiles[1], plan.profile.get(), sizeof(ProfileRecord)), 0);
}

TEST(ProfileImport, EveryMacroButtonEndsWithAMacroOfItsName) {
    auto profile = testing::DefaultProfile();
    // A button's name field holds 19 bytes, a macro's name 15: the macro is
    // cut, and the button takes the cut name with it.
    PlayOn(*profile, 5, Macro("EighteenBytesName", {kA}));
    // A button whose macro the file lacks brings its own copy.
    PlayOn(*profile, 6, Macro("Lonely", {kB}));
    Json file = ParseJson(WriteProfileSharingFile(*profile));
    file["macros"].erase(1);
    // A macro without a name is refused.
    file["macros"].push_back(
        Json::object({{"Name", " "}, {"RepeatCount", 1}, {"Events", Json::array()}}));
    const ImportPlan plan = Plan(JsonDocument(file));
    ASSERT_EQ(plan.added.size(), 2u);
    EXPECT_EQ(TextOfField(plan.added[0].Name), "EighteenBytesNa");
    EXPECT_EQ(TextOfField(plan.profile->Buttons[5].MacroName), "EighteenBytesNa");
    EXPECT_EQ(TextOfField(plan.added[1].Name), "Lonely");
    EXPECT_EQ(plan.added[1].EventCount, 1);
    EXPECT_TRUE(Noted(plan, "refused"));
}

TEST(ProfileImport, AListWithoutRoomRefusesTheImport) {
    MacroList full;
    for (int i = 0; i < kMaxMacroCount; ++i)
        full.Append(Macro("m" + std::to_string(i), {}));
    auto profile = testing::DefaultProfile();
    PlayOn(*profile, 2, Macro("New one", {kA}));
    std::string error;
    EXPECT_FALSE(PlanProfileImport(WriteProfileSharingFile(*profile), 0, full, error));
    EXPECT_NE(error.find("no room"), std::string::npos) << error;
}

} // namespace
} // namespace mervik
