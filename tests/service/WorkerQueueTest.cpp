// The device worker's queue: requests in order, at most one upload waiting.
#include <gtest/gtest.h>

#include "service/core/WorkerQueue.h"

namespace mervik {
namespace {

constexpr WorkerRequest kSwitch{WorkerTask::Upload, false};
constexpr WorkerRequest kApply{WorkerTask::Upload, true};
constexpr WorkerRequest kReadBack{WorkerTask::ReadBack};
constexpr WorkerRequest kOwed{WorkerTask::RepeatOwedUpload};

TEST(WorkerQueue, AtMostOneUploadWaitsAndKeepsItsPlace) {
    WorkerQueue queue;
    queue.Push(kSwitch);
    queue.Push(kReadBack);
    queue.Push(kApply);
    queue.Push(kSwitch);
    queue.Push(kOwed);
    ASSERT_EQ(queue.Size(), 2u);
    const WorkerRequest upload = *queue.Pop();
    EXPECT_EQ(upload.kind, WorkerTask::Upload);
    EXPECT_TRUE(upload.answersOption) << "an Apply merged in is still answered";
    EXPECT_EQ(queue.Pop()->kind, WorkerTask::ReadBack);
    EXPECT_FALSE(queue.Pop());
}

TEST(WorkerQueue, AnOwedRepeatStaysBehindTheReadBackUntilAnUploadJoinsIt) {
    WorkerQueue queue;
    queue.Push(kReadBack);
    queue.Push(kOwed);
    EXPECT_TRUE(queue.UploadWaiting());
    EXPECT_EQ(queue.Pop()->kind, WorkerTask::ReadBack);
    queue.Push(kApply);
    const WorkerRequest merged = *queue.Pop();
    EXPECT_EQ(merged.kind, WorkerTask::Upload) << "an upload is no longer conditional";
    EXPECT_TRUE(merged.answersOption);
    EXPECT_TRUE(queue.Empty());
}

TEST(WorkerQueue, AStoppedUploadHandsItsAnswerOn) {
    WorkerQueue queue;
    EXPECT_FALSE(queue.HandOver(kApply)) << "nothing waits to take it";
    queue.Push(kOwed);
    EXPECT_TRUE(queue.HandOver(kApply));
    const WorkerRequest next = *queue.Pop();
    EXPECT_EQ(next.kind, WorkerTask::Upload) << "the mouse holds part of a profile: owed or not";
    EXPECT_TRUE(next.answersOption);
}

// Changes of the connection keep their order and are never merged; a removal
// waiting is what stops an upload under way.
TEST(WorkerQueue, ConnectionChangesStayInOrder) {
    WorkerQueue queue;
    queue.Push({WorkerTask::Arrival});
    queue.Push(kSwitch);
    EXPECT_FALSE(queue.RemovalWaiting());
    queue.Push({WorkerTask::Removal});
    queue.Push({WorkerTask::Arrival});
    queue.Push({WorkerTask::Removal});
    EXPECT_TRUE(queue.RemovalWaiting());
    const WorkerTask expected[] = {WorkerTask::Arrival, WorkerTask::Upload, WorkerTask::Removal,
                                   WorkerTask::Arrival, WorkerTask::Removal};
    for (WorkerTask kind : expected)
        EXPECT_EQ(queue.Pop()->kind, kind);
    EXPECT_FALSE(queue.RemovalWaiting());
}

} // namespace
} // namespace mervik
