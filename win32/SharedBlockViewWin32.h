#pragma once
// The shared settings block as both programs use it: a view of the whole named
// mapping and the named mutex that guards it. Blocks are only ever copied
// whole, and only while holding the mutex; who creates or opens the objects is
// the program's business.
#include <windows.h>

#include <functional>

#include "settings/SharedSettingsBlock.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::win {

class SharedBlockView {
public:
    SharedBlockView() = default;
    ~SharedBlockView() { Close(); }
    SharedBlockView(const SharedBlockView&) = delete;
    SharedBlockView& operator=(const SharedBlockView&) = delete;

    void SetMutex(UniqueHandle mutex) { mutex_ = std::move(mutex); }
    // Maps a view of the whole block with `access`; false, and the mapping
    // dropped, when there is no mapping or the view cannot be made.
    bool Map(UniqueHandle mapping, DWORD access);
    bool Mapped() const { return view_ != nullptr; }

    // How long a copy waits for the mutex before it fails.
    static constexpr DWORD kLockTimeoutMs = 250;

    // Whole-block copies; false, and nothing copied, without a view or when
    // the mutex cannot be taken within kLockTimeoutMs.
    [[nodiscard]] bool Read(SharedSettingsBlock& into) const;
    [[nodiscard]] bool Write(const SharedSettingsBlock& from);

    // Read, change and write back under one hold of the mutex; false, and
    // nothing written, when the mutex cannot be taken or `change` says no.
    [[nodiscard]] bool Update(const std::function<bool(SharedSettingsBlock&)>& change);

    // Unmaps the view and closes the mapping and the mutex.
    void Close();

private:
    bool Lock() const;
    void Unmap();

    UniqueHandle mutex_;
    UniqueHandle mapping_;
    void* view_ = nullptr;
};

} // namespace mervik::win
