#include <gtest/gtest.h>

#include "protocol/FeatureReport.h"
#include "tests/hiddriver/virtual/MouseBridge.h"

namespace mervik::vmouse {
namespace {

using sim::Notification;
using sim::SimulatedMouse;

struct Bridge : ::testing::Test {
    int64_t now = 0;
    SimulatedMouse mouse{[this] { return now += 1000; }};

    void SetUp() override {
        mouse.OpenFeature();
        mouse.OpenReport();
    }

    // What hidclass hands the driver: the report's bytes after id 0, or with
    // the id in front when the reports are numbered.
    static Bytes AsHidclassGives(uint8_t id, Bytes body) {
        if (id)
            body.insert(body.begin(), id);
        return body;
    }

    MouseBridge For(const VirtualShape& shape) { return MouseBridge(mouse, shape); }

    static const VirtualCollection& Carrying(const VirtualShape& shape,
                                             size_t VirtualCollection::*what) {
        for (const VirtualCollection& c : shape.collections)
            if (c.*what && !c.pointer)
                return c;
        ADD_FAILURE() << shape.name << " carries nothing of the kind";
        return shape.collections.front();
    }
};

TEST_F(Bridge, EveryShapeTakesAnAnnouncementAndItsPaddedBlock) {
    for (const VirtualShape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        mouse.ClearLog();
        const VirtualCollection& features = Carrying(shape, &VirtualCollection::featureBytes);
        const VirtualCollection& output = Carrying(shape, &VirtualCollection::outputBytes);
        FeatureReport dpi = MakeFeatureReport(wire::kCmdDpiLevels, {0x06, 0x08});
        Bytes report(dpi.begin(), dpi.end());
        MouseBridge b = For(shape);
        EXPECT_EQ(b.Answer(VMOUSE_SET_FEATURE, features.key, features.featureId,
                           AsHidclassGives(features.featureId, report))
                      .status,
                  VMOUSE_STATUS_SUCCESS);
        Bytes block{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x80, 0x80};
        Bytes padded = block;
        padded.resize(output.outputBytes, 0);
        EXPECT_EQ(b.Answer(VMOUSE_WRITE, output.key, output.outputId,
                           AsHidclassGives(output.outputId, padded))
                      .status,
                  VMOUSE_STATUS_SUCCESS);
        ASSERT_EQ(mouse.Log().size(), 2u);
        EXPECT_EQ(mouse.Log()[1].line, "write 8 01 02 03 04 05 06 80 80");
        EXPECT_EQ(mouse.Log()[1].error, "");
        EXPECT_EQ(mouse.Memory().dpiLevels[0], 0x01);
    }
}

TEST_F(Bridge, TheLevelReadIsAnsweredFramedAsTheCollectionSays) {
    for (const VirtualShape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        const VirtualCollection& c = Carrying(shape, &VirtualCollection::featureBytes);
        FeatureReport request = MakeFeatureReport(wire::kCmdReadActiveDpiLevel, {});
        BridgeReply reply =
            For(shape).Answer(VMOUSE_GET_FEATURE, c.key, c.featureId,
                              AsHidclassGives(c.featureId, Bytes(request.begin(), request.end())));
        ASSERT_EQ(reply.status, VMOUSE_STATUS_SUCCESS);
        FeatureReport answer =
            MakeFeatureReport(wire::kCmdReadActiveDpiLevel, {mouse.Memory().activeLevel});
        EXPECT_EQ(reply.data, AsHidclassGives(c.featureId, Bytes(answer.begin(), answer.end())));
    }
}

TEST_F(Bridge, TheButtonsBecomeInputReportsOfTheEventCollection) {
    for (const VirtualShape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        auto input = For(shape).InputFor({Notification::Event, 0x0700, 4});
        ASSERT_TRUE(input);
        const VirtualCollection& c = Carrying(shape, &VirtualCollection::inputBytes);
        EXPECT_EQ(input->key, c.key);
        Bytes expected{0x07, 0x00, 0x00, 0x04};
        expected.resize(c.inputBytes, 0);
        EXPECT_EQ(input->data, AsHidclassGives(c.inputId, expected));
        EXPECT_FALSE(For(shape).InputFor({Notification::Change, 0, 0}));
    }
}

TEST_F(Bridge, RefusalsAndSilenceAreTheMousesAnswers) {
    const VirtualShape& shape = *ShapeNamed("pointer");
    const VirtualCollection& pointer = shape.collections[0];
    const VirtualCollection& vendor = shape.collections[1];
    MouseBridge b(mouse, shape);
    FeatureReport fixed = MakeFeatureReport(wire::kCmdFixed, {0x00, 0x0F, 0xD8, 0x40});
    Bytes report(fixed.begin(), fixed.end());
    EXPECT_EQ(b.Answer(VMOUSE_SET_FEATURE, pointer.key, 0, report).status,
              VMOUSE_STATUS_UNSUCCESSFUL)
        << "the pointer has no feature report";
    EXPECT_EQ(b.Answer(VMOUSE_SET_FEATURE, "MERVIK\\VMOUSE&COL09", 0, report).status,
              VMOUSE_STATUS_DEVICE_NOT_CONNECTED);
    mouse.FailNext(1);
    EXPECT_EQ(b.Answer(VMOUSE_SET_FEATURE, vendor.key, 0, report).status,
              VMOUSE_STATUS_UNSUCCESSFUL);
    mouse.AnswerReadsWith(sim::ReadAnswer::Silent);
    FeatureReport read = MakeFeatureReport(wire::kCmdReadActiveDpiLevel, {});
    BridgeReply silent =
        b.Answer(VMOUSE_GET_FEATURE, vendor.key, 0, Bytes(read.begin(), read.end()));
    EXPECT_EQ(silent.status, VMOUSE_STATUS_IO_TIMEOUT);
    EXPECT_TRUE(silent.late);
    EXPECT_EQ(b.Answer(VMOUSE_DESCRIPTOR, pointer.key, 0, {}).data, pointer.descriptor);
}

} // namespace
} // namespace mervik::vmouse
