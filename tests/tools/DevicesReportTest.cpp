#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tools/mervikctl/DevicesReport.h"

namespace mervik::tools {
namespace {

using hid::HidCollection;

std::vector<HidCollection> PointerBesideVendor() {
    HidCollection pointer;
    pointer.path = R"(\\?\hid#vid_1017&pid_8003&col01#0000#{4d1e55b2})";
    pointer.usagePage = 0x01;
    pointer.usage = 0x02;
    pointer.inputLength = 5;
    HidCollection vendor;
    vendor.path = R"(\\?\hid#vid_1017&pid_8003&col02#0000#{4d1e55b2})";
    vendor.usagePage = 0xFF00;
    vendor.usage = 0x01;
    vendor.inputLength = 5;
    vendor.outputLength = 33;
    vendor.featureLength = 9;
    vendor.opensReadWrite = true;
    return {pointer, vendor};
}

TEST(DevicesReport, TextSaysWhatEachCollectionIsAndIsUsedFor) {
    std::ostringstream out;
    WriteDevicesText(out, PointerBesideVendor());
    EXPECT_EQ(out.str(),
              "\\\\?\\hid#vid_1017&pid_8003&col01#0000#{4d1e55b2}\n"
              "  usage page 0x0001, usage 0x0002\n"
              "  report lengths: input 5, output 0, feature 0 (report ids 0, 0, 0)\n"
              "  opens for reading and writing: no\n"
              "  used for: nothing\n"
              "  not for features: no feature report\n"
              "  not for output: no output report\n"
              "  not for events: the system reads its input itself (Generic Desktop page)\n"
              "\\\\?\\hid#vid_1017&pid_8003&col02#0000#{4d1e55b2}\n"
              "  usage page 0xFF00, usage 0x0001\n"
              "  report lengths: input 5, output 33, feature 9 (report ids 0, 0, 0)\n"
              "  opens for reading and writing: yes\n"
              "  used for: features, output, events\n");
}

TEST(DevicesReport, NoMouseSaysSoInBothForms) {
    std::ostringstream text;
    WriteDevicesText(text, {});
    EXPECT_EQ(text.str(), "no HID collection of vendor 0x1017, product 0x8003\n"
                          "no collection for features\n"
                          "no collection for output\n"
                          "no collection for events\n");
    std::ostringstream json;
    WriteDevicesJson(json, {});
    EXPECT_NE(json.str().find("\"Collections\": []"), std::string::npos) << json.str();
    EXPECT_NE(json.str().find("\"Features\": \"\""), std::string::npos) << json.str();
}

TEST(DevicesReport, JsonNamesTheChosenPathsAndEveryRefusal) {
    std::ostringstream out;
    WriteDevicesJson(out, PointerBesideVendor());
    const std::string json = out.str();
    EXPECT_NE(json.find("\"OpensReadWrite\": false"), std::string::npos) << json;
    EXPECT_NE(json.find("\"events\": \"the system reads its input itself (Generic Desktop page)\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"Output\": \"\\\\\\\\?\\\\hid#vid_1017&pid_8003&col02#0000#{4d1e55b2}\""),
              std::string::npos)
        << json;
}

} // namespace
} // namespace mervik::tools
