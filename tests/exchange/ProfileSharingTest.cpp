// The profile file for sharing: what export writes comes back field for
// field, and what is not one of ours is refused.
#include <gtest/gtest.h>

#include <cstring>

#include "exchange/Base64.h"
#include "exchange/JsonText.h"
#include "exchange/ProfileImport.h"
#include "exchange/ProfileSharingFile.h"
#include "settings/TextField.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

// A sample profile whose macro buttons hold sound macros, as a list gives them.
std::unique_ptr<ProfileRecord> SharedSample(int seed) {
    auto profile = testing::DefaultProfile();
    testing::FillSampleProfile(*profile, seed);
    for (ButtonAssignment& b : profile->Buttons) {
        b.MacroRepeat = 1 + b.Slot % 200;
        for (MacroEvent& e : b.Events)
            e.action = e.code % 2 ? MacroPress : MacroRelease;
    }
    return profile;
}

TEST(ProfileSharingFile, ExportedProfileImportsFieldForField) {
    const auto original = SharedSample(3);
    const std::string file = WriteProfileSharingFile(*original);
    for (unsigned char c : file)
        ASSERT_LT(c, 0x80) << "the file is ASCII";

    std::string error;
    const std::optional<ImportPlan> plan = PlanProfileImport(file, 3, MacroList{}, error);
    ASSERT_TRUE(plan) << error;
    EXPECT_EQ(plan->notes, LoadNotes{});
    EXPECT_EQ(TextOfField(plan->profile->ProFileName), "Sample profile 3");
    // Slot content past EventCount is not shared: every used byte is.
    ProfileRecord expected = *original;
    for (ButtonAssignment& b : expected.Buttons)
        for (int e = b.EventCount; e < kMaxMacroEvents; ++e)
            b.Events[e] = MacroEvent{};
    EXPECT_EQ(std::memcmp(&expected, plan->profile.get(), sizeof expected), 0);
    // The macros its buttons play come along, one for each name.
    EXPECT_EQ(plan->added.size(), MacrosPlayedBy(*original).size());
    EXPECT_EQ(plan->added.size(), 22u);
}

TEST(ProfileSharingFile, TextsKeepEveryByte) {
    auto profile = testing::DefaultProfile();
    SetTextField(profile->ProFileName, "\xC5\xE4 \xD3\xCE\xCF\xB7");
    SetTextField(profile->GameFile, "C:\\\xD3\xCE\xCF\xB7\\run.exe");
    const std::string file = WriteProfileSharingFile(*profile);
    EXPECT_NE(file.find("\\u00c5\\u00e4"), std::string::npos);
    std::string error;
    const auto plan = PlanProfileImport(file, 0, MacroList{}, error);
    ASSERT_TRUE(plan) << error;
    EXPECT_EQ(TextOfField(plan->profile->ProFileName), TextOfField(profile->ProFileName));
    EXPECT_EQ(TextOfField(plan->profile->GameFile), TextOfField(profile->GameFile));
    EXPECT_FALSE(BytesOfJson(Json("\u0100")).has_value()) << "no byte stands for U+0100";
}

TEST(ProfileSharingFile, WhatIsNotOneOfOursIsRefused) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "not a profile file"},
        {"{\"format\": \"mervik-profile\", \"version\": 1", "not a profile file"},
        {"[]", "not a profile file"},
        {"{\"format\": \"mervik-backup\", \"version\": 1, \"profile\": {}}", "format"},
        {"{\"format\": \"mervik-profile\", \"profile\": {}}", "version"},
        {"{\"format\": \"mervik-profile\", \"version\": 2, \"profile\": {}}", "newer version"},
        {"{\"format\": \"mervik-profile\", \"version\": 1}", "no profile"},
        {"{\"format\": \"mervik-profile\", \"version\": 1, \"profile\": {\"x\": 1}}", "no profile"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(PlanProfileImport(c.text, 0, MacroList{}, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << ": " << error;
    }
}

TEST(Base64, StandardVectorsAndOnlyCanonicalText) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(EncodeBase64(bytes), text);
        EXPECT_EQ(DecodeBase64(text), bytes);
    }
    const std::string all = [] {
        std::string s;
        for (int c = 0; c < 256; ++c)
            s += static_cast<char>(c);
        return s;
    }();
    EXPECT_EQ(DecodeBase64(EncodeBase64(all)), all);
    for (const char* bad : {"Zg=", "Zg", "Z===", "Zh==", "Zm9v\n", "Zm=v", "=Zm9"})
        EXPECT_FALSE(DecodeBase64(bad)) << bad;
}

} // namespace
} // namespace mervik
