#pragma once
// One open HID collection of the mouse. Reports are framed as the collection
// describes them (ReportFraming.h): its report id first, our bytes, zeros up
// to its length. Every transfer is overlapped and bounded in time, so a mouse
// that stops answering costs a caller at most the time-out, and every failed
// call leaves a trace line with the collection's path and the system's error.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "hiddriver/core/HidCollection.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::hid {

inline constexpr DWORD kTransferTimeoutMs = 1000;

class HidChannel {
public:
    // Feature reports work without access rights, so a collection the system
    // holds still opens for them when `readWrite` is false.
    bool Open(const HidCollection& collection, bool readWrite);
    void Close() { device_.reset(); }
    bool IsOpen() const { return static_cast<bool>(device_); }

    bool SetFeature(std::span<const uint8_t> report);
    bool GetFeature(std::span<uint8_t> report);
    bool WriteOutput(std::span<const uint8_t> block);
    // One input report's bytes behind its id; false on failure, on removal
    // or when `stop` fires (the last without a trace).
    bool ReadInput(std::vector<uint8_t>& body, HANDLE stop);

private:
    struct Pending;
    bool Frame(std::span<const uint8_t> data, uint8_t reportId, uint16_t length, const char* call,
               std::vector<uint8_t>& framed);
    DWORD Await(std::unique_ptr<Pending>& pending, BOOL started, HANDLE stop, DWORD timeoutMs,
                DWORD& bytes);
    bool Control(DWORD code, const char* call, std::vector<uint8_t>& buffer, bool answer);
    bool Failed(const char* call, DWORD error);

    win::UniqueHandle device_;
    HidCollection collection_;
};

} // namespace mervik::hid
