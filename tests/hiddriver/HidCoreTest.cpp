#include <gtest/gtest.h>

#include <vector>

#include "hiddriver/core/CollectionChoice.h"
#include "hiddriver/core/DeviceEventReport.h"
#include "hiddriver/core/PresenceCount.h"
#include "hiddriver/core/ReportFraming.h"
#include "hiddriver/core/TraceText.h"

namespace mervik::hid {
namespace {

using Bytes = std::vector<uint8_t>;

// ---- framing ----

struct FramingCase {
    const char* name;
    Bytes data;
    uint8_t reportId;
    size_t length;
    std::optional<Bytes> framed;
};

TEST(ReportFraming, IdFirstThenTheBytesThenZerosToTheLength) {
    const FramingCase cases[] = {
        {"unnumbered, exact", {1, 2, 3}, 0, 4, Bytes{0, 1, 2, 3}},
        {"unnumbered, padded", {0x11, 0x06}, 0, 6, Bytes{0, 0x11, 0x06, 0, 0, 0}},
        {"numbered", {0x0B, 3}, 7, 4, Bytes{7, 0x0B, 3, 0}},
        {"nothing to send still carries the id", {}, 2, 3, Bytes{2, 0, 0}},
        {"one byte too long", {1, 2, 3, 4}, 0, 4, std::nullopt},
        {"no report of this kind", {1}, 0, 0, std::nullopt},
    };
    for (const FramingCase& c : cases)
        EXPECT_EQ(FrameReport(c.data, c.reportId, c.length), c.framed) << c.name;
}

TEST(ReportFraming, TheBodyIsWhatFollowsTheExpectedId) {
    const Bytes numbered{3, 9, 8};
    auto body = ReportBody(numbered, 3);
    ASSERT_TRUE(body);
    EXPECT_EQ(Bytes(body->begin(), body->end()), (Bytes{9, 8}));
    EXPECT_FALSE(ReportBody(numbered, 0)) << "another report's id";
    EXPECT_FALSE(ReportBody(Bytes{}, 0)) << "nothing read";
}

// ---- events ----

TEST(DeviceEventReport, ClassThenValueHighByteFirstPaddingIgnored) {
    auto dpi = DecodeEvent(Bytes{0x07, 0x00, 0x00, 0x04});
    ASSERT_TRUE(dpi);
    EXPECT_EQ(dpi->eventClass, 0x0700);
    EXPECT_EQ(dpi->value, 4);
    auto padded = DecodeEvent(Bytes{0x05, 0x01, 0x01, 0x02, 0xAA, 0, 0, 0});
    ASSERT_TRUE(padded);
    EXPECT_EQ(padded->eventClass, 0x0501);
    EXPECT_EQ(padded->value, 0x0102);
    EXPECT_FALSE(DecodeEvent(Bytes{0x07, 0x00, 0x01})) << "too short for an event";
}

// ---- the choice of collections ----

HidCollection Vendor(std::string path, uint16_t input, uint16_t output, uint16_t feature) {
    HidCollection c;
    c.path = std::move(path);
    c.usagePage = 0xFF00;
    c.usage = 1;
    c.inputLength = input;
    c.outputLength = output;
    c.featureLength = feature;
    c.opensReadWrite = true;
    return c;
}

HidCollection Pointer(std::string path) {
    HidCollection c;
    c.path = std::move(path);
    c.usagePage = kUsagePageGenericDesktop;
    c.usage = 2;
    c.inputLength = 5;
    c.opensReadWrite = false;
    return c;
}

std::string RefusalOf(const CollectionChoice& choice, size_t collection, CollectionUse use) {
    for (const CollectionRefusal& r : choice.refusals)
        if (r.collection == collection && r.use == use)
            return r.reason;
    return "(not refused)";
}

struct ChoiceCase {
    const char* name;
    std::vector<HidCollection> collections;
    std::optional<size_t> features, output, events;
};

TEST(CollectionChoice, EachShapeAMouseMayHave) {
    const ChoiceCase cases[] = {
        {"one vendor collection", {Vendor("v", 5, 33, 9)}, 0, 0, 0},
        {"the pointer beside a vendor collection", {Pointer("p"), Vendor("v", 5, 33, 9)}, 1, 1, 1},
        {"features and output apart", {Vendor("f", 0, 0, 9), Vendor("o", 5, 33, 0)}, 0, 1, 1},
        {"a padded input report", {Vendor("v", 33, 33, 9)}, 0, 0, 0},
        {"events on a collection of their own",
         {Vendor("o", 0, 33, 9), Vendor("e", 5, 0, 0)},
         0,
         0,
         1},
        {"nothing fits", {Vendor("small", 4, 32, 8)}, std::nullopt, std::nullopt, std::nullopt},
        {"no collection at all", {}, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const ChoiceCase& c : cases) {
        CollectionChoice choice = ChooseCollections(c.collections);
        EXPECT_EQ(choice.features, c.features) << c.name;
        EXPECT_EQ(choice.output, c.output) << c.name;
        EXPECT_EQ(choice.events, c.events) << c.name;
    }
}

TEST(CollectionChoice, FeaturesNeedNoAccessRightsOutputAndEventsDo) {
    HidCollection held = Vendor("held", 5, 33, 9);
    held.opensReadWrite = false;
    std::vector<HidCollection> collections{held};
    CollectionChoice choice = ChooseCollections(collections);
    EXPECT_EQ(choice.features, 0u);
    EXPECT_FALSE(choice.output);
    EXPECT_FALSE(choice.events);
    EXPECT_EQ(RefusalOf(choice, 0, CollectionUse::Output),
              "does not open for writing (the system holds it)");
    EXPECT_EQ(RefusalOf(choice, 0, CollectionUse::Events),
              "does not open for reading (the system holds it)");
}

TEST(CollectionChoice, EveryCollectionLeftAloneSaysWhy) {
    std::vector<HidCollection> collections{Pointer("p"), Vendor("short", 4, 20, 5),
                                           Vendor("v", 5, 33, 9), Vendor("second", 5, 33, 9)};
    CollectionChoice choice = ChooseCollections(collections);
    EXPECT_EQ(choice.features, 2u);
    EXPECT_EQ(RefusalOf(choice, 0, CollectionUse::Features), "no feature report");
    EXPECT_EQ(RefusalOf(choice, 0, CollectionUse::Output), "no output report");
    EXPECT_EQ(RefusalOf(choice, 0, CollectionUse::Events),
              "the system reads its input itself (Generic Desktop page)");
    EXPECT_EQ(RefusalOf(choice, 1, CollectionUse::Features), "feature report of 4 bytes, 8 needed");
    EXPECT_EQ(RefusalOf(choice, 1, CollectionUse::Output), "output report of 19 bytes, 32 needed");
    EXPECT_EQ(RefusalOf(choice, 1, CollectionUse::Events), "input report of 3 bytes, 4 needed");
    EXPECT_EQ(RefusalOf(choice, 3, CollectionUse::Features), "another collection carries them");
    EXPECT_EQ(RefusalOf(choice, 2, CollectionUse::Features), "(not refused)");
    EXPECT_EQ(choice.refusals.size(), 3u * 3u) << "three uses refused by each other collection";
}

TEST(TraceText, SaysWhatWasChosenWhatWasLeftAndEveryFailure) {
    std::vector<HidCollection> collections{Pointer("p"), Vendor("v", 5, 33, 9)};
    std::vector<std::string> lines = ChoiceTrace(collections, ChooseCollections(collections));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "hiddriver: features on v (usage page 65280, usage 1, lengths input 5 "
                        "output 33 feature 9)");
    EXPECT_EQ(lines[3], "hiddriver: p not used for features: no feature report");
    EXPECT_EQ(ChoiceTrace({}, ChooseCollections({}))[1], "hiddriver: no collection for output");
    EXPECT_EQ(FailureTrace("HidD_GetFeature", "v", 5, "Access is denied.\r\n"),
              "hiddriver: HidD_GetFeature on v failed: error 5 (Access is denied)");
}

// ---- presence ----

TEST(PresenceCount, OneArrivalAndOneRemovalForAMouseOfSeveralCollections) {
    PresenceCount presence(0x1017, 0x8003);
    presence.Reset({});
    EXPECT_EQ(presence.Arrived(R"(\\?\hid#vid_1017&pid_8003&col01#0000#{guid})"), true);
    EXPECT_EQ(presence.Arrived(R"(\\?\HID#VID_1017&PID_8003&COL02#0000#{GUID})"), std::nullopt);
    EXPECT_EQ(presence.Arrived(R"(\\?\hid#vid_1017&pid_8003&col01#0000#{GUID})"), std::nullopt)
        << "the same path in other case";
    EXPECT_EQ(presence.Removed(R"(\\?\hid#vid_1017&pid_8003&col01#0000#{guid})"), std::nullopt);
    EXPECT_EQ(presence.Removed(R"(\\?\hid#vid_1017&pid_8003&col02#0000#{guid})"), false);
    EXPECT_EQ(presence.Removed(R"(\\?\hid#vid_1017&pid_8003&col02#0000#{guid})"), std::nullopt)
        << "a repeated removal";
}

TEST(PresenceCount, OtherDevicesAreNotTheMouse) {
    PresenceCount presence(0x1017, 0x8003);
    presence.Reset({R"(\\?\hid#vid_046d&pid_c077#0000#{guid})", R"(\\?\hid#vid_1017&pid_8003#1)"});
    EXPECT_TRUE(presence.Present());
    EXPECT_EQ(presence.Arrived(R"(\\?\hid#vid_1017&pid_8004#0000#{guid})"), std::nullopt);
    EXPECT_EQ(presence.Removed(R"(\\?\hid#vid_046d&pid_c077#0000#{guid})"), std::nullopt);
    EXPECT_EQ(presence.Removed(R"(\\?\hid#vid_1017&pid_8003#1)"), false);
    EXPECT_FALSE(PathNamesDevice("vid_1017", 0x1017, 0x8003));
}

} // namespace
} // namespace mervik::hid
