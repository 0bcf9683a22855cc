#include "hiddriver/sim/SimulatedMouse.h"

#include <algorithm>

#include "protocol/DeviceMessages.h"
#include "protocol/FeatureReport.h"
#include "protocol/PlanText.h"
#include "protocol/ReportRate.h"

namespace mervik::sim {

namespace {

// A stand-in answer to the level read whose bytes make no sense.
constexpr FeatureReport kGarbageAnswer = {
    wire::kCmdReadActiveDpiLevel, 0xEE, 0x5A, 0xC3, 0x00, 0xFF, 0x11, 0x00};

} // namespace

LogEntry& SimulatedMouse::Record(std::string line) {
    if (log_.size() == kLogCapacity) {
        log_.pop_front();
        ++logDropped_;
    }
    log_.push_back({now_(), std::move(line), {}});
    return log_.back();
}

bool SimulatedMouse::Reject(LogEntry& entry, std::string error) {
    entry.error = std::move(error);
    return false;
}

bool SimulatedMouse::Malformed(LogEntry& entry, std::string error) {
    ++malformed_;
    entry.error = "malformed: " + error;
    return true; // the transfer itself went through; the mouse ignores it
}

void SimulatedMouse::CountDownToVanishing() {
    if (vanishAfter_ < 0)
        return;
    if (vanishAfter_-- == 0)
        Unplug();
}

// Every transfer passes here: the mouse must be there, the interface open, and
// no injected failure pending.
bool SimulatedMouse::Admit(LogEntry& entry, bool interfaceOpen) {
    CountDownToVanishing();
    if (!present_)
        return Reject(entry, "absent");
    if (!interfaceOpen)
        return Reject(entry, "interface closed");
    if (failNext_ > 0) {
        --failNext_;
        return Reject(entry, "injected failure");
    }
    ++transfers_;
    return true;
}

bool SimulatedMouse::OpenFeature() {
    featureOpen_ = present_;
    return featureOpen_;
}

bool SimulatedMouse::OpenReport() {
    reportOpen_ = present_;
    return reportOpen_;
}

bool SimulatedMouse::SetFeature(std::span<const uint8_t> report) {
    LogEntry& entry = Record(TransferLine(StepKind::Feature, report));
    if (!Admit(entry, featureOpen_))
        return false;
    if (report.size() != wire::kFeatureReportSize)
        return Malformed(entry, "feature report of " + std::to_string(report.size()) + " bytes");
    FeatureReport r;
    std::copy(report.begin(), report.end(), r.begin());
    if (!HasValidChecksum(r))
        return Malformed(entry, "bad checksum");
    if (pending_) {
        // The report is still taken; the entry notes the announcement it cut short.
        Malformed(entry, "blocks of the previous announcement missing");
        pending_.reset();
    }
    TakeReport(entry, std::span<const uint8_t, wire::kFeatureReportSize>(report.data(),
                                                                         wire::kFeatureReportSize));
    return true;
}

void SimulatedMouse::Expect(uint8_t command, uint8_t* target, size_t blockSize, int blocks) {
    pending_ = PendingBlocks{command, target, blockSize, blocks};
}

void SimulatedMouse::TakeReport(LogEntry& entry,
                                std::span<const uint8_t, wire::kFeatureReportSize> r) {
    const uint8_t p1 = r[1], p2 = r[2];
    switch (r[0]) {
    case wire::kCmdReportInterval:
        if (!wire::RateOfInterval(p1))
            Malformed(entry, "report interval " + std::to_string(p1));
        else
            memory_.reportIntervalMs = p1;
        break;
    case wire::kCmdFixed:
        if (!std::equal(r.begin() + 1, r.begin() + 7, std::begin(wire::kFixedReportParams)))
            Malformed(entry, "fixed report changed");
        else
            ++memory_.fixedReports;
        break;
    case wire::kCmdLighting:
        memory_.lighting = {p1, p2, r[3]};
        break;
    case wire::kCmdColours:
        Expect(r[0], memory_.colours.data(), wire::kColourBlockSize, wire::kBlocksPerAnnouncement);
        break;
    case wire::kCmdDpiLevels:
        Expect(r[0], memory_.dpiLevels.data(), wire::kDpiBlockSize, wire::kBlocksPerAnnouncement);
        break;
    case wire::kCmdActiveDpiLevel:
        if (p1 < 1 || p1 > wire::kDpiLevelCount)
            Malformed(entry, "DPI level " + std::to_string(p1));
        else
            memory_.activeLevel = p1;
        break;
    case wire::kCmdButtonMapPage:
        if (p1 < 1 || p1 > wire::kMapPageCount || p2 != wire::kButtonMapPageLengthParam)
            Malformed(entry, "button map page " + std::to_string(p1));
        else
            Expect(r[0], memory_.buttonMap.data() + (p1 - 1) * wire::kMapPageSize,
                   wire::kMapBlockSize, wire::kBlocksPerMapPage);
        break;
    case wire::kCmdSequenceBank:
        if (p1 < 1 || p1 > wire::kBankCount || p2 != wire::kSequenceBankLengthParam)
            Malformed(entry, "sequence bank " + std::to_string(p1));
        else
            Expect(r[0], memory_.banks[p1 - 1].data(), wire::kMapBlockSize, wire::kBlocksPerBank);
        break;
    case wire::kCmdReadActiveDpiLevel:
        break; // the answer comes with GetFeature
    default:
        Malformed(entry, "unknown command");
        break;
    }
}

bool SimulatedMouse::Write(std::span<const uint8_t> block) {
    LogEntry& entry = Record(TransferLine(StepKind::Write, block));
    if (!Admit(entry, reportOpen_))
        return false;
    return TakeBlock(entry, block);
}

bool SimulatedMouse::TakeBlock(LogEntry& entry, std::span<const uint8_t> block) {
    if (!pending_)
        return Malformed(entry, "block without an announcement");
    PendingBlocks& p = *pending_;
    if (block.size() != p.blockSize) {
        pending_.reset();
        return Malformed(entry, "block of " + std::to_string(block.size()) + " bytes, " +
                                    std::to_string(p.blockSize) + " announced");
    }
    std::copy(block.begin(), block.end(), p.target);
    p.target += p.blockSize;
    if (--p.blocksLeft == 0)
        pending_.reset();
    return true;
}

std::optional<size_t> SimulatedMouse::AnnouncedBlockSize() const {
    if (!pending_)
        return std::nullopt;
    return pending_->blockSize;
}

bool SimulatedMouse::GetFeature(std::span<uint8_t> report) {
    LogEntry& entry = Record("read");
    if (!Admit(entry, featureOpen_))
        return false;
    if (report.size() != wire::kFeatureReportSize || report[0] != wire::kCmdReadActiveDpiLevel) {
        Malformed(entry, "read of an unknown report");
        return false;
    }
    if (readAnswer_ == ReadAnswer::Silent)
        return Reject(entry, "no answer (injected)");
    FeatureReport answer = MakeFeatureReport(wire::kCmdReadActiveDpiLevel, {memory_.activeLevel});
    if (readAnswer_ == ReadAnswer::Garbage)
        answer = kGarbageAnswer;
    std::copy(answer.begin(), answer.end(), report.begin());
    entry.line += HexBytes(answer);
    return true;
}

void SimulatedMouse::Raise(const Notification& n) {
    if (notify_)
        notify_(n);
}

void SimulatedMouse::Plug() {
    if (present_)
        return;
    present_ = true;
    Raise({Notification::Change, static_cast<uint32_t>(kChangeArrived), 0});
}

void SimulatedMouse::Unplug() {
    if (!present_)
        return;
    present_ = featureOpen_ = reportOpen_ = false;
    pending_.reset();
    vanishAfter_ = -1;
    Raise({Notification::Change, static_cast<uint32_t>(kChangeRemoved), 0});
}

// The mouse steps to its next level in use, wrapping around.
void SimulatedMouse::PressDpiButton() {
    if (!present_)
        return;
    for (int step = 1; step <= wire::kDpiLevelCount; ++step) {
        int index = (memory_.activeLevel - 1 + step) % wire::kDpiLevelCount;
        if (memory_.dpiLevels[index] & wire::kDpiLevelDisabled)
            continue;
        memory_.activeLevel = static_cast<uint8_t>(index + 1);
        Raise({Notification::Event, uint32_t{kEventGroupDpiLevel} << 8, memory_.activeLevel});
        return;
    }
}

void SimulatedMouse::PressRateButton() {
    if (!present_)
        return;
    // The button steps through the rates in the table's order, wrapping around.
    const auto rates = wire::ReportRates();
    const auto now = wire::RateOfInterval(memory_.reportIntervalMs);
    const size_t next = now ? (static_cast<size_t>(now->pollingRate) + 1) % rates.size() : 0;
    memory_.reportIntervalMs = rates[next].intervalMs;
    Raise({Notification::Event, uint32_t{kEventGroupReportRate} << 8, memory_.reportIntervalMs});
}

void SimulatedMouse::ClearLog() {
    log_.clear();
    transfers_ = malformed_ = logDropped_ = 0;
}

} // namespace mervik::sim
