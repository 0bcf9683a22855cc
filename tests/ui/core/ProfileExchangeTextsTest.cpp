#include "ui/core/ProfileExchangeTexts.h"

#include <gtest/gtest.h>

#include "lang/TextIds.h"
#include "ui/core/TextFill.h"

namespace mervik::ui {
namespace {

TEST(ProfileExchangeTexts, TheOfferedFileNameIsOneWindowsTakes) {
    EXPECT_EQ(SharingFileName("Racing"), "Racing.mervik-profile");
    EXPECT_EQ(SharingFileName("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j.mervik-profile");
    EXPECT_EQ(SharingFileName("\xC5\xE4 2. "), "\xC5\xE4 2.mervik-profile");
    EXPECT_EQ(SharingFileName("///"), "profile.mervik-profile");
    EXPECT_EQ(SharingFileName(""), "profile.mervik-profile");
}

TEST(ProfileExchangeTexts, TheQuestionNamesWhatIsReplaced) {
    const TextLookup text = [](unsigned id) -> std::string {
        if (id == kTextImportConfirm)
            return "Replace %1, %2, with %3? %4 new.";
        return id == kTextImportMended ? "%1 mended." : "";
    };
    EXPECT_EQ(ImportQuestion(text, 2, "Work", "Racing", 3, 0),
              "Replace 3, Work, with Racing? 3 new.");
    EXPECT_EQ(ImportQuestion(text, 0, "%2", "x", 0, 4),
              "Replace 1, %2, with x? 0 new.\n\n4 mended.")
        << "a name holding %2 is shown as it is";
    EXPECT_EQ(FillTexts("%1%2%3%", {"a", "b"}), "ab%3%");
}

} // namespace
} // namespace mervik::ui
