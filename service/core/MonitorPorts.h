#pragma once
// What the service core needs from the system around it, each named after the
// core's use. The Win32 shell implements them over the real system calls; the
// tests implement them in memory.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "service/core/WorkerResult.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// The named block both programs copy whole under its mutex.
class SharedBlock {
public:
    virtual ~SharedBlock() = default;
    // False, and nothing copied, when the mutex cannot be taken.
    [[nodiscard]] virtual bool Read(SharedSettingsBlock& into) = 0;
    [[nodiscard]] virtual bool Write(const SharedSettingsBlock& from) = 0;
    // Reads the block, lets `change` edit it and writes it back, all under one
    // hold of the mutex, so that no other program's write falls between.
    // False, and nothing written, when the mutex cannot be taken or `change`
    // returns false.
    [[nodiscard]] virtual bool Update(const std::function<bool(SharedSettingsBlock&)>& change) = 0;
};

// Top-level windows of the other programs, found by caption. A handle is an
// opaque number; 0 means no such window.
class ProgramWindows {
public:
    using Handle = uintptr_t;
    virtual ~ProgramWindows() = default;
    virtual Handle Find(const char* caption) = 0;
    // Posted, never sent, so the service never waits on another program.
    virtual bool Post(Handle window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // Restores the window when minimised and brings it to the foreground.
    virtual void Activate(Handle window) = 0;
};

// The notification-area icon, its tip and its balloon notices. The icon
// stays while the service runs, greyed while the mouse is away, so its menu
// is always there.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void AddIcon() = 0;
    virtual void RemoveIcon() = 0;
    virtual void ShowConnected(bool connected) = 0;
    // Kept for the icon whether it is shown or not.
    virtual void SetTip(std::string_view tip) = 0;
    virtual void ShowBalloon(std::string_view text, std::string_view title, uint32_t infoFlags,
                             uint32_t timeoutMs) = 0;
};

// The hidden window's timers.
class TimerService {
public:
    virtual ~TimerService() = default;
    virtual void Start(unsigned id, unsigned periodMs) = 0;
    virtual void Stop(unsigned id) = 0;
};

// The running system's pointer settings, applied for this session only: none
// of these writes the user's profile.
class PointerSystem {
public:
    struct Acceleration {
        int threshold1;
        int threshold2;
        int speed;
    };
    virtual ~PointerSystem() = default;
    virtual void SetDoubleClickTime(int ms) = 0;
    virtual void SetButtonsSwapped(bool swapped) = 0;
    virtual void SetAcceleration(const Acceleration& acceleration) = 0;
    virtual void SetPointerSpeed(int speed) = 0;
    virtual void SetWheelLines(int lines) = 0; // -1: one screen a notch
};

class ProcessLister {
public:
    virtual ~ProcessLister() = default;
    // The executable file name (no folder) of the foreground window's process;
    // nothing when that process cannot be found.
    virtual std::optional<std::string> ForegroundExecutable() = 0;
};

// Starts another program; a missing one is not an error.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void Open(const std::string& path) = 0;
};

// The user-visible texts of the language library, by number; empty when the
// library or the text is missing.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string Text(unsigned id) = 0;
};

// The device worker's way back to the window's thread, called on the worker.
class WorkerResults {
public:
    virtual ~WorkerResults() = default;
    // False when the result could not be queued for the window.
    [[nodiscard]] virtual bool Deliver(const WorkerResult& result) = 0;
};

// The debugger output, where the service's few trace lines go; written from
// both threads.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Trace(std::string_view line) = 0;
};

} // namespace mervik
