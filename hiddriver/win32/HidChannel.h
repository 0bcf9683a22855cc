#pragma once
// One open HID collection of the mouse. Reports travel framed the way the
// collection's lengths say:
//  - feature reports: a collection whose feature length is 8 numbers its
//    reports, and byte 0 of our 8-byte buffer (the command) is the report id;
//    a longer one has no ids, so the buffer goes behind id 0, padded;
//  - output blocks (8, 24 or 32 bytes) go behind report id 0, padded to the
//    collection's output length;
//  - input reports come back without their id byte.
#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "hiddriver/win32/HidInterfaces.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::hid {

class HidChannel {
public:
    // Feature reports work without access rights, so a collection held by the
    // system still opens for them when `needReadWrite` is false.
    bool Open(const HidInterfaceInfo& info, bool needReadWrite);
    void Close() { device_.reset(); }
    bool IsOpen() const { return static_cast<bool>(device_); }

    bool SetFeature(std::span<const uint8_t> report);
    bool GetFeature(std::span<uint8_t> report);
    bool WriteOutput(std::span<const uint8_t> block);
    // One input report; false on failure, on removal or when `stop` fires.
    bool ReadInput(std::vector<uint8_t>& data, HANDLE stop);

private:
    bool Transfer(OVERLAPPED& ov, BOOL started, HANDLE stop, DWORD timeoutMs, DWORD& bytes);

    win::UniqueHandle device_;
    HidInterfaceInfo info_;
};

} // namespace mervik::hid
