#include <gtest/gtest.h>

#include "macros/MacroRecorder.h"

namespace mervik {
namespace {

constexpr int kA = 'A', kB = 'B', kX = 'X';
constexpr uint8_t kUsageA = 4, kUsageB = 5, kUsageX = 27;

struct Recording {
    CaptureHistory history;
    MacroRecorder recorder{history};
    MacroEventBuffer buffer;
    uint32_t now = 1000;

    KeyOutcome Key(int vk, bool up, uint32_t after = 0) {
        now += after;
        return recorder.TakeKey(buffer, vk, up, now);
    }
};

MacroEvent Ev(uint8_t code, MacroAction action, uint16_t delay = 0) {
    return {code, action, delay};
}

void ExpectEvents(const MacroEventBuffer& buffer, std::initializer_list<MacroEvent> expected) {
    ASSERT_EQ(buffer.count, static_cast<int>(expected.size()));
    int i = 0;
    for (const MacroEvent& e : expected) {
        EXPECT_EQ(buffer.events[i].code, e.code) << "step " << i;
        EXPECT_EQ(buffer.events[i].action, e.action) << "step " << i;
        EXPECT_EQ(buffer.events[i].delay, e.delay) << "step " << i;
        ++i;
    }
}

TEST(MacroRecorder, TypedKeysWithoutPausesGiveStepsWithoutPauses) {
    Recording r;
    r.recorder.Start();
    r.Key(kA, false);
    r.Key(kA, true, 100);
    r.Key(kB, false, 100);
    r.Key(kB, true, 100);
    ExpectEvents(r.buffer, {Ev(kUsageA, MacroPress), Ev(kUsageA, MacroRelease),
                            Ev(kUsageB, MacroPress), Ev(kUsageB, MacroRelease)});
    EXPECT_EQ(r.buffer.highlighted, 3);
}

TEST(MacroRecorder, PausesBelongToTheEarlierStepAndAreCapped) {
    Recording r;
    r.recorder.recordDelays = true;
    r.recorder.Start();
    r.Key(kA, false, 5);
    r.Key(kA, true, 300);
    r.Key(kB, false, 70000); // longer than a step can hold
    r.Key(kB, true, 65535);
    ExpectEvents(r.buffer, {Ev(kUsageA, MacroPress, 300), Ev(kUsageA, MacroRelease, 65535),
                            Ev(kUsageB, MacroPress, 65535), Ev(kUsageB, MacroRelease, 0)});
}

TEST(MacroRecorder, PauseAcrossTheTickCountsWrap) {
    Recording r;
    r.recorder.recordDelays = true;
    r.now = 0xFFFFFF00u;
    r.recorder.Start();
    r.Key(kA, false);
    r.Key(kA, true, 0x200); // the tick count wraps in between
    EXPECT_EQ(r.buffer.events[0].delay, 0x200);
}

TEST(MacroRecorder, AHeldKeysRepeatsAreDroppedEvenAcrossRecordings) {
    Recording r;
    r.recorder.Start();
    r.Key(kA, false);
    EXPECT_EQ(r.Key(kA, false, 30), KeyOutcome::Ignored);
    EXPECT_EQ(r.Key(kA, false, 30), KeyOutcome::Ignored);
    r.Key(kA, true, 30);
    ExpectEvents(r.buffer, {Ev(kUsageA, MacroPress), Ev(kUsageA, MacroRelease)});

    r.recorder.Stop();
    EXPECT_EQ(r.history.lastTakenTick, 0u);
    r.buffer.Clear();
    r.recorder.Start();
    EXPECT_EQ(r.Key(kA, true), KeyOutcome::Ignored); // still the last key captured
    EXPECT_EQ(r.Key(kA, false), KeyOutcome::Taken);
}

TEST(MacroRecorder, AKeyWithoutAUsageIsNeverStored) {
    Recording r;
    r.recorder.recordDelays = true;
    r.recorder.Start();
    r.Key(kA, false);
    EXPECT_EQ(r.Key(0x07, false, 50), KeyOutcome::Ignored); // undefined virtual key
    EXPECT_EQ(r.Key(0xFF, true, 50), KeyOutcome::Ignored);
    r.Key(kA, true, 50);
    // The pause runs from the last step taken, not from the ignored key.
    ExpectEvents(r.buffer, {Ev(kUsageA, MacroPress, 150), Ev(kUsageA, MacroRelease)});
}

TEST(MacroRecorder, PauseAsksToStopAndIsNeverAStep) {
    Recording r;
    r.recorder.recordDelays = true;
    r.recorder.Start();
    r.Key(kA, false);
    EXPECT_EQ(r.Key(kStopRecordingKey, false, 40), KeyOutcome::StopAsked);
    EXPECT_EQ(r.Key(kStopRecordingKey, true, 40), KeyOutcome::Ignored);
    // Nothing of the stop key reaches the steps or the pause before them.
    r.Key(kA, true, 20);
    ExpectEvents(r.buffer, {Ev(kUsageA, MacroPress, 100), Ev(kUsageA, MacroRelease)});
}

TEST(MacroRecorder, RecordAfterTheMiddleStepInsertsInOrderWithItsPause) {
    Recording r;
    for (uint8_t code : {10, 11, 12, 13, 14})
        r.buffer.events[r.buffer.count++] = Ev(code, MacroPress);
    r.recorder.recordDelays = true;
    r.buffer.insertIndex = 3; // after step 3 of 5
    r.recorder.Start();
    r.Key(kX, false, 40);
    r.Key(kX, true, 120);
    ExpectEvents(r.buffer, {Ev(10, MacroPress), Ev(11, MacroPress), Ev(12, MacroPress),
                            Ev(kUsageX, MacroPress, 120), Ev(kUsageX, MacroRelease),
                            Ev(13, MacroPress), Ev(14, MacroPress)});
    EXPECT_EQ(r.buffer.insertIndex, 5);
    EXPECT_EQ(r.buffer.highlighted, 4);
}

TEST(MacroRecorder, TheFiftiethStepFillsTheBufferAndNothingMoreIsTaken) {
    Recording r;
    r.recorder.Start();
    KeyOutcome last = KeyOutcome::Ignored;
    for (int i = 0; i < kMaxMacroEvents; ++i)
        last = r.Key('A' + (i / 2) % 26, i % 2 == 1);
    EXPECT_EQ(last, KeyOutcome::Filled);
    EXPECT_EQ(r.buffer.count, kMaxMacroEvents);
    EXPECT_EQ(r.Key(kX, false), KeyOutcome::Filled);
    EXPECT_EQ(r.buffer.count, kMaxMacroEvents);
    EXPECT_NE(r.buffer.events[kMaxMacroEvents - 1].code, kUsageX);
}

TEST(MacroEventBuffer, InsertAppendsOrInsertsAndAStaleIndexAppends) {
    MacroEventBuffer buffer;
    EXPECT_TRUE(buffer.Insert(Ev(1, MacroPress)));
    buffer.insertIndex = 0;
    EXPECT_TRUE(buffer.Insert(Ev(2, MacroPress)));
    EXPECT_EQ(buffer.insertIndex, 1);
    buffer.insertIndex = 40; // left from a longer macro
    EXPECT_TRUE(buffer.Insert(Ev(3, MacroPress)));
    ExpectEvents(buffer, {Ev(2, MacroPress), Ev(1, MacroPress), Ev(3, MacroPress)});
}

TEST(MacroEventBuffer, LoadAndStoreKeepTheRecordsSteps) {
    MacroRecord record = NewMacroRecord("m");
    record.EventCount = 900; // a claim beyond the record
    record.Events[49] = Ev(7, MacroRelease, 5);
    MacroEventBuffer buffer;
    buffer.Load(&record);
    EXPECT_EQ(buffer.count, kMaxMacroEvents);
    EXPECT_EQ(buffer.highlighted, kMaxMacroEvents - 1);
    MacroRecord out = NewMacroRecord("n");
    buffer.Store(out);
    EXPECT_EQ(out.EventCount, kMaxMacroEvents);
    EXPECT_EQ(out.Events[49].delay, 5);
    buffer.Load(nullptr);
    EXPECT_EQ(buffer.count, 0);
    EXPECT_EQ(buffer.highlighted, -1);
}

} // namespace
} // namespace mervik
