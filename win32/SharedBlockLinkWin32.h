#pragma once
// The end of the shared settings block that Option and mervikctl hold:
// opened, never created (Monitor creates it); copied only whole and only
// under the shared mutex.
#include "win32/SharedBlockViewWin32.h"

namespace mervik::win {

class SharedBlockLink {
public:
    enum class Attach { Attached, Absent, ViewFailed };

    // Opens the mutex and the mapping and maps a view of the whole block.
    Attach Open();
    bool Attached() const { return view_.Mapped(); }

    // Whole-block copies; false (and nothing copied) when not attached or the
    // mutex wait fails.
    [[nodiscard]] bool Read(SharedSettingsBlock& into) const { return view_.Read(into); }
    [[nodiscard]] bool Write(const SharedSettingsBlock& from) { return view_.Write(from); }
    // Read, change and write back under one hold of the mutex.
    [[nodiscard]] bool Update(const std::function<bool(SharedSettingsBlock&)>& change) {
        return view_.Update(change);
    }

    void Close() { view_.Close(); }

private:
    SharedBlockView view_;
};

// Tells Monitor that the block holds new settings to apply and upload
// (1224); its window, or null when Monitor is not running.
HWND WakeMonitor();

} // namespace mervik::win
