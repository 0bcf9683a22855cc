// The device worker's queue: requests in order, at most one upload waiting.
#include <gtest/gtest.h>

#include "service/core/MonitorConstants.h"
#include "service/core/WorkerQueue.h"

namespace mervik {
namespace {

using namespace monitor;

constexpr WorkerRequest kReadBack{kRequestReadBack, 0, false};

TEST(WorkerQueue, AtMostOneUploadWaitsAndKeepsItsPlace) {
    WorkerQueue queue;
    queue.Push({kRequestUpload, 1, false}); // a switch
    queue.Push(kReadBack);
    queue.Push({kRequestUpload, 7, true});  // an Apply
    queue.Push({kRequestUpload, 0, false}); // another switch
    queue.Push({kRequestRepeatOwedUpload, 0, false});
    ASSERT_EQ(queue.Size(), 2u);
    const WorkerRequest upload = *queue.Pop();
    EXPECT_EQ(upload.kind, kRequestUpload);
    EXPECT_EQ(upload.detail, 0) << "the newest upload's detail";
    EXPECT_TRUE(upload.answersOption) << "an Apply merged in is still answered";
    EXPECT_EQ(queue.Pop()->kind, kRequestReadBack);
    EXPECT_FALSE(queue.Pop());
}

TEST(WorkerQueue, AnOwedRepeatStaysBehindTheReadBackUntilAnUploadJoinsIt) {
    WorkerQueue queue;
    queue.Push(kReadBack);
    queue.Push({kRequestRepeatOwedUpload, 0, false});
    EXPECT_TRUE(queue.UploadWaiting());
    EXPECT_EQ(queue.Pop()->kind, kRequestReadBack);
    queue.Push({kRequestUpload, 0, true});
    const WorkerRequest merged = *queue.Pop();
    EXPECT_EQ(merged.kind, kRequestUpload) << "an upload is no longer conditional";
    EXPECT_TRUE(merged.answersOption);
    EXPECT_TRUE(queue.Empty());
}

TEST(WorkerQueue, AStoppedUploadHandsItsAnswerOn) {
    WorkerQueue queue;
    EXPECT_FALSE(queue.HandOver({kRequestUpload, 0, true})) << "nothing waits to take it";
    queue.Push({kRequestRepeatOwedUpload, 0, false});
    EXPECT_TRUE(queue.HandOver({kRequestUpload, 0, true}));
    const WorkerRequest next = *queue.Pop();
    EXPECT_EQ(next.kind, kRequestUpload) << "the mouse holds part of a profile: owed or not";
    EXPECT_TRUE(next.answersOption);
}

} // namespace
} // namespace mervik
