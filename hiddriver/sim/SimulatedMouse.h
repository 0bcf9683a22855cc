#pragma once
// The mouse's side of the protocol, without any Windows: it checks every
// report, keeps what the mouse would keep, answers the 0x8B read, raises the
// events of its own buttons and its arrival and removal, and logs every
// transfer with a monotonic timestamp. Nothing a host sends can make it read
// or write outside its memory: bad transfers are logged as malformed.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "hiddriver/sim/MouseMemory.h"

namespace mervik::sim {

enum class ReadAnswer { Normal, Garbage, Silent };

struct LogEntry {
    int64_t timeUs = 0;
    std::string line;  // the transfer as PlanText writes it; reads: "read " + answer
    std::string error; // empty when the mouse took the transfer
};

// What the library posts to the host's window.
struct Notification {
    enum Kind { Event, Change } kind;
    uint32_t wParam; // Event: class; Change: 1 arrived, 0 removed
    int32_t lParam;  // Event: value
};

class SimulatedMouse {
public:
    using NowUs = std::function<int64_t()>;
    using Notify = std::function<void(const Notification&)>;

    static constexpr size_t kLogCapacity = 20000;

    explicit SimulatedMouse(NowUs now) : now_(std::move(now)) {}
    void SetNotify(Notify notify) { notify_ = std::move(notify); }

    // Host side: what the ten entry points do.
    bool OpenFeature();
    void CloseFeature() { featureOpen_ = false; }
    bool OpenReport();
    void CloseReport() { reportOpen_ = false; }
    bool SetFeature(std::span<const uint8_t> report);
    bool GetFeature(std::span<uint8_t> report);
    bool Write(std::span<const uint8_t> block);

    // Control side.
    void Plug();
    void Unplug();
    void PressDpiButton();
    void PressRateButton();
    void FailNext(int transfers) { failNext_ = transfers; }
    void VanishAfter(int transfers) { vanishAfter_ = transfers; }
    void AnswerReadsWith(ReadAnswer answer) { readAnswer_ = answer; }
    void ClearLog();

    // The size of the next block an announcement asked for: a mouse behind a
    // HID stack gets its blocks padded to its report length.
    std::optional<size_t> AnnouncedBlockSize() const;

    const MouseMemory& Memory() const { return memory_; }
    bool Present() const { return present_; }
    bool FeatureOpen() const { return featureOpen_; }
    bool ReportOpen() const { return reportOpen_; }
    const std::deque<LogEntry>& Log() const { return log_; }
    size_t Transfers() const { return transfers_; }
    size_t Malformed() const { return malformed_; }
    size_t LogDropped() const { return logDropped_; }
    int FailNextCount() const { return failNext_; }
    int VanishAfterCount() const { return vanishAfter_; }
    ReadAnswer ReadAnswerMode() const { return readAnswer_; }

private:
    // Where the blocks announced by the last feature report go.
    struct PendingBlocks {
        uint8_t command;
        uint8_t* target;
        size_t blockSize;
        int blocksLeft;
    };

    LogEntry& Record(std::string line);
    bool Admit(LogEntry& entry, bool interfaceOpen);
    bool Reject(LogEntry& entry, std::string error);
    bool Malformed(LogEntry& entry, std::string error);
    bool TakeBlock(LogEntry& entry, std::span<const uint8_t> block);
    void CountDownToVanishing();
    void TakeReport(LogEntry& entry, std::span<const uint8_t, wire::kFeatureReportSize> r);
    void Expect(uint8_t command, uint8_t* target, size_t blockSize, int blocks);
    void Raise(const Notification& n);

    NowUs now_;
    Notify notify_;
    MouseMemory memory_;
    bool present_ = true;
    bool featureOpen_ = false;
    bool reportOpen_ = false;
    std::optional<PendingBlocks> pending_;
    int failNext_ = 0;
    int vanishAfter_ = -1; // transfers to take before vanishing; -1: never
    ReadAnswer readAnswer_ = ReadAnswer::Normal;
    std::deque<LogEntry> log_;
    size_t transfers_ = 0;
    size_t malformed_ = 0;
    size_t logDropped_ = 0;
};

} // namespace mervik::sim
