#include "device/UploadExecutor.h"

#include <algorithm>
#include <chrono>

namespace mervik {

namespace {

class PlanRunner {
public:
    PlanRunner(DeviceConnection& connection, const std::function<bool()>& stopBeforeGroup)
        : connection_(connection), stopBeforeGroup_(stopBeforeGroup), clock_(connection.GetClock()),
          lastTransferEnd_(clock_.Now()) {}

    // False when the caller stopped it, or when a transfer did not go
    // through: what follows it would land out of order.
    bool Run(const PlanStep& step) {
        switch (step.kind) {
        case StepKind::Pause:
            pauseDue_ += std::chrono::milliseconds(step.pauseMs);
            return true;
        case StepKind::Feature:
            WaitForPause(); // the mouse gets its pause even when the upload stops here
            if (stopBeforeGroup_ && stopBeforeGroup_()) {
                stopped_ = true;
                return false;
            }
            return Transfer(step);
        case StepKind::Write:
            return Transfer(step);
        }
        return true;
    }

    // The pause at the end of the plan still keeps the next traffic away.
    void Finish() { WaitForPause(); }

    size_t TransfersSent() const { return sent_; }
    bool Stopped() const { return stopped_; }

private:
    void WaitForPause() {
        if (pauseDue_ == Clock::Duration::zero())
            return;
        WaitUntil(clock_, lastTransferEnd_ + pauseDue_);
        pauseDue_ = Clock::Duration::zero();
    }

    bool Transfer(const PlanStep& step) {
        WaitForPause();
        if (!Send(step))
            return false;
        lastTransferEnd_ = clock_.Now();
        ++sent_;
        return true;
    }

    bool Send(const PlanStep& step) {
        DeviceLink& link = connection_.Link();
        if (step.kind == StepKind::Write)
            return link.WriteBlock(step.Data());
        FeatureReport report;
        std::copy_n(step.bytes.begin(), report.size(), report.begin());
        return link.SendFeature(report);
    }

    DeviceConnection& connection_;
    const std::function<bool()>& stopBeforeGroup_;
    Clock& clock_;
    Clock::TimePoint lastTransferEnd_;
    Clock::Duration pauseDue_{};
    size_t sent_ = 0;
    bool stopped_ = false;
};

} // namespace

UploadResult ExecuteUpload(const UploadPlan& plan, DeviceConnection& connection,
                           const std::function<bool()>& stopBeforeGroup,
                           const std::function<void(size_t step)>& afterTransfer) {
    if (!connection.IsPresent())
        return {};
    PlanRunner runner(connection, stopBeforeGroup);
    const std::vector<PlanStep>& steps = plan.Steps();
    for (size_t i = 0; i < steps.size(); ++i) {
        const size_t sent = runner.TransfersSent();
        if (!runner.Run(steps[i]))
            return {runner.TransfersSent(), false, runner.Stopped()};
        if (afterTransfer && runner.TransfersSent() != sent)
            afterTransfer(i);
    }
    runner.Finish();
    return {runner.TransfersSent(), true, false};
}

} // namespace mervik
