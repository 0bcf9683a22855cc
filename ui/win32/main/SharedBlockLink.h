#pragma once
// Option's end of the shared settings block: opened, never created; copied
// only whole and only under the shared mutex.
#include "win32/SharedBlockViewWin32.h"

namespace mervik::ui {

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

    void Close() { view_.Close(); }

private:
    win::SharedBlockView view_;
};

} // namespace mervik::ui
