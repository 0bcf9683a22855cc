#pragma once
// Option's end of the shared settings block: opened, never created; copied
// only whole and only under the shared mutex.
#include "settings/SharedSettingsBlock.h"
#include "ui/main/KernelHandle.h"

namespace mervik::ui {

class SharedBlockLink {
public:
    enum class Attach { Attached, Absent, ViewFailed };

    SharedBlockLink() = default;
    ~SharedBlockLink();
    SharedBlockLink(const SharedBlockLink&) = delete;
    SharedBlockLink& operator=(const SharedBlockLink&) = delete;

    // Opens the mutex and the mapping and maps a view of the whole block.
    Attach Open();
    bool Attached() const { return view_ != nullptr; }

    // Whole-block copies; false (and nothing copied) when not attached or the
    // mutex wait fails.
    bool Read(SharedSettingsBlock& into) const;
    bool Write(const SharedSettingsBlock& from);

    void Close();

private:
    bool Lock() const;

    KernelHandle mutex_;
    KernelHandle mapping_;
    void* view_ = nullptr;
};

} // namespace mervik::ui
