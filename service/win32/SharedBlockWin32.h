#pragma once
// Monitor's end of the shared settings block: it creates the block and its
// mutex, so that Option (or any process) can open both, and removes them at
// the end.
#include <windows.h>

#include "service/core/MonitorPorts.h"
#include "win32/SharedBlockViewWin32.h"

namespace mervik {

class Win32SharedBlock final : public SharedBlock {
public:
    enum class Created { Ok, AlreadyExists, Failed };

    Win32SharedBlock() = default;
    ~Win32SharedBlock() override { Close(); }
    Win32SharedBlock(const Win32SharedBlock&) = delete;
    Win32SharedBlock& operator=(const Win32SharedBlock&) = delete;

    // The mutex first. It may exist already without another service: Option
    // keeps a handle to it after a Monitor ended, and any program may make
    // it. The service only starts when no other one runs, so an existing
    // mutex is taken over (AlreadyExists) rather than refused.
    Created CreateMutexObject();
    // The mapping, open to every process, and a view of all of it.
    bool CreateMapping();
    void Close() { view_.Close(); }

    bool Read(SharedSettingsBlock& into) override { return view_.Read(into); }
    bool Write(const SharedSettingsBlock& from) override { return view_.Write(from); }
    bool Update(const std::function<bool(SharedSettingsBlock&)>& change) override {
        return view_.Update(change);
    }

private:
    win::SharedBlockView view_;
};

} // namespace mervik
