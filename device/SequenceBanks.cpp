#include "device/SequenceBanks.h"

#include <algorithm>
#include <initializer_list>
#include <span>

#include "settings/FunctionCodes.h"

namespace mervik {

namespace {

// Keyboard-page usages of the chord keys.
namespace usage {
constexpr uint8_t A = 0x04, C = 0x06, D = 0x07, E = 0x08, F = 0x09, L = 0x0F, N = 0x11, O = 0x12;
constexpr uint8_t P = 0x13, R = 0x15, S = 0x16, V = 0x19, X = 0x1B, Y = 0x1C, Z = 0x1D;
constexpr uint8_t Tab = 0x2B, Space = 0x2C, F4 = 0x3D;
constexpr uint8_t LeftCtrl = 0xE0, LeftShift = 0xE1, LeftAlt = 0xE2, LeftGui = 0xE3;
} // namespace usage

struct Chord {
    uint8_t code;
    uint8_t keyCount;
    uint8_t keys[3]; // pressed in this order, released in reverse
};

constexpr Chord kChords[] = {
    {fn::SwitchWindow, 2, {usage::LeftAlt, usage::Tab}},
    {fn::CloseWindow, 2, {usage::LeftAlt, usage::F4}},
    {fn::MaximiseWindow, 3, {usage::LeftAlt, usage::Space, usage::X}},
    {fn::MinimiseWindow, 3, {usage::LeftAlt, usage::Space, usage::N}},
    {fn::ShowDesktop, 2, {usage::LeftGui, usage::D}},
    {fn::Open, 2, {usage::LeftCtrl, usage::O}},
    {fn::New, 2, {usage::LeftCtrl, usage::N}},
    {fn::Cut, 2, {usage::LeftCtrl, usage::X}},
    {fn::Copy, 2, {usage::LeftCtrl, usage::C}},
    {fn::Paste, 2, {usage::LeftCtrl, usage::V}},
    {fn::Save, 2, {usage::LeftCtrl, usage::S}},
    {fn::Print, 2, {usage::LeftCtrl, usage::P}},
    {fn::Find, 2, {usage::LeftCtrl, usage::F}},
    {fn::Redo, 2, {usage::LeftCtrl, usage::Y}},
    {fn::Undo, 2, {usage::LeftCtrl, usage::Z}},
    {fn::SelectAll, 2, {usage::LeftCtrl, usage::A}},
    {fn::SaveAs, 3, {usage::LeftCtrl, usage::LeftShift, usage::S}},
    {fn::LockComputer, 2, {usage::LeftGui, usage::L}},
    {fn::RunDialog, 2, {usage::LeftGui, usage::R}},
    {fn::Explorer, 2, {usage::LeftCtrl, usage::E}},
};

// Fills a bank step by step and refuses a step that would not fit whole.
class BankWriter {
public:
    explicit BankWriter(uint16_t repeat) {
        content_.bytes[0] = static_cast<uint8_t>(repeat >> 8);
        content_.bytes[1] = static_cast<uint8_t>(repeat);
    }

    bool Append(std::initializer_list<uint8_t> step) {
        if (at_ + step.size() > wire::kBankSize)
            return false;
        std::copy(step.begin(), step.end(), content_.bytes.begin() + at_);
        at_ += step.size();
        ++content_.stepCount;
        return true;
    }

    const BankContent& Content() const { return content_; }

private:
    BankContent content_;
    size_t at_ = wire::kBankHeaderSize;
};

// A pause up to 1279 ms rides in the control byte in tens of ms; a longer one
// takes a 4-byte step in fifties of ms, of which only the low byte is kept.
bool IsShortStep(const MacroEvent& event) {
    return event.delay / wire::kShortPauseUnitMs <= wire::kStepShortPauseMask;
}

size_t StepSize(const MacroEvent& event) {
    return IsShortStep(event) ? 2 : 4;
}

bool AppendMacroStep(BankWriter& bank, const MacroEvent& event) {
    const uint8_t direction = event.action == MacroPress ? wire::kStepPress : wire::kStepRelease;
    if (IsShortStep(event)) {
        const unsigned tens = event.delay / wire::kShortPauseUnitMs;
        return bank.Append({static_cast<uint8_t>(tens | direction), event.code});
    }
    uint8_t fifties = static_cast<uint8_t>(event.delay / wire::kLongPauseUnitMs);
    return bank.Append({direction, event.code, fifties, wire::kLongPauseMarker});
}

// Keys pressed and not yet released, in the order they went down. Plain data,
// since the cut copies it at every step.
class HeldKeys {
public:
    void Follow(const MacroEvent& event) {
        uint8_t* end = keys_.data() + count_;
        uint8_t* at = std::find(keys_.data(), end, event.code);
        if (event.action == MacroPress && at == end)
            keys_[count_++] = event.code;
        if (event.action != MacroPress && at != end) {
            std::copy(at + 1, end, at);
            --count_;
        }
    }
    size_t ReleaseBytes() const { return 2 * count_; }
    void ReleaseAll(BankWriter& bank) const {
        for (size_t i = count_; i-- > 0;)
            bank.Append({wire::kStepRelease, keys_[i]});
    }

private:
    std::array<uint8_t, kMaxMacroEvents> keys_{};
    size_t count_ = 0;
};

// A macro too long for its bank is cut where the steps kept plus the releases
// of the keys they leave down still fit: a cut must not leave a key held down
// on the computer.
MacroBankPlan PlanCut(std::span<const MacroEvent> events) {
    MacroBankPlan plan;
    plan.cut = true;
    size_t used = 0;
    HeldKeys held;
    for (const MacroEvent& event : events) {
        HeldKeys after = held;
        after.Follow(event);
        if (used + StepSize(event) + after.ReleaseBytes() > wire::kBankStepCapacity)
            break;
        used += StepSize(event);
        held = after;
        ++plan.stepsStored;
    }
    plan.bytesUsed = static_cast<int>(used + held.ReleaseBytes());
    return plan;
}

HeldKeys HeldAfter(std::span<const MacroEvent> events) {
    HeldKeys held;
    for (const MacroEvent& event : events)
        held.Follow(event);
    return held;
}

std::span<const MacroEvent> SlotEvents(const ButtonAssignment& slot) {
    return std::span<const MacroEvent>(slot.Events,
                                       std::min<size_t>(slot.EventCount, kMaxMacroEvents));
}

} // namespace

std::optional<BankContent> FixedSequenceBank(uint8_t functionCode) {
    auto chord = std::find_if(std::begin(kChords), std::end(kChords),
                              [&](const Chord& c) { return c.code == functionCode; });
    if (chord == std::end(kChords))
        return std::nullopt;
    BankWriter bank(1);
    std::span<const uint8_t> keys(chord->keys, chord->keyCount);
    for (uint8_t key : keys)
        bank.Append({wire::kStepPress, key});
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        bank.Append({wire::kStepRelease, *key});
    return bank.Content();
}

MacroBankPlan PlanMacroBank(std::span<const MacroEvent> events) {
    events = events.first(std::min<size_t>(events.size(), kMaxMacroEvents));
    size_t size = 0;
    for (const MacroEvent& event : events)
        size += StepSize(event);
    if (size > wire::kBankStepCapacity)
        return PlanCut(events);
    return MacroBankPlan{static_cast<int>(events.size()), static_cast<int>(size), false};
}

BankContent MacroBank(const ButtonAssignment& slot) {
    BankWriter bank(static_cast<uint16_t>(slot.MacroRepeat));
    const std::span<const MacroEvent> events = SlotEvents(slot);
    const MacroBankPlan plan = PlanMacroBank(events);
    const auto stored = events.first(static_cast<size_t>(plan.stepsStored));
    for (const MacroEvent& event : stored)
        AppendMacroStep(bank, event);
    if (plan.cut)
        HeldAfter(stored).ReleaseAll(bank);
    return bank.Content();
}

} // namespace mervik
