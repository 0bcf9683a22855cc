#include "hiddriver/win32/HidChannel.h"

#include "hiddriver/win32/HidSdk.h"

#include <algorithm>

namespace mervik::hid {

namespace {

constexpr DWORD kWriteTimeoutMs = 1000;

// `data` behind report id 0 (when `behindId`), zero-padded to `length`.
std::vector<uint8_t> Frame(std::span<const uint8_t> data, size_t length, bool behindId) {
    std::vector<uint8_t> framed(length, 0);
    std::copy(data.begin(), data.end(), framed.begin() + (behindId ? 1 : 0));
    return framed;
}

} // namespace

bool HidChannel::Open(const HidInterfaceInfo& info, bool needReadWrite) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const DWORD flags = needReadWrite ? FILE_FLAG_OVERLAPPED : 0;
    device_.reset(CreateFileA(info.path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                              OPEN_EXISTING, flags, nullptr));
    if (!device_ && !needReadWrite)
        device_.reset(CreateFileA(info.path.c_str(), 0, share, nullptr, OPEN_EXISTING, 0, nullptr));
    info_ = info;
    return IsOpen();
}

bool HidChannel::SetFeature(std::span<const uint8_t> report) {
    const bool numbered = info_.featureLength == report.size();
    if (!IsOpen() || (!numbered && info_.featureLength <= report.size()))
        return false;
    std::vector<uint8_t> framed = Frame(report, info_.featureLength, !numbered);
    return HidD_SetFeature(device_.get(), framed.data(), static_cast<ULONG>(framed.size())) != 0;
}

bool HidChannel::GetFeature(std::span<uint8_t> report) {
    const bool numbered = info_.featureLength == report.size();
    if (!IsOpen() || (!numbered && info_.featureLength <= report.size()))
        return false;
    std::vector<uint8_t> framed =
        Frame(numbered ? report : report.first(0), info_.featureLength, !numbered);
    if (!HidD_GetFeature(device_.get(), framed.data(), static_cast<ULONG>(framed.size())))
        return false;
    auto answer = framed.begin() + (numbered ? 0 : 1);
    std::copy(answer, answer + report.size(), report.begin());
    return true;
}

bool HidChannel::WriteOutput(std::span<const uint8_t> block) {
    if (!IsOpen() || info_.outputLength <= block.size())
        return false;
    std::vector<uint8_t> framed = Frame(block, info_.outputLength, true);
    OVERLAPPED ov{};
    win::UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ov.hEvent = done.get();
    DWORD written = 0;
    BOOL started =
        WriteFile(device_.get(), framed.data(), static_cast<DWORD>(framed.size()), nullptr, &ov);
    return Transfer(ov, started, nullptr, kWriteTimeoutMs, written) && written == framed.size();
}

bool HidChannel::ReadInput(std::vector<uint8_t>& data, HANDLE stop) {
    if (!IsOpen() || info_.inputLength < 2)
        return false;
    std::vector<uint8_t> framed(info_.inputLength);
    OVERLAPPED ov{};
    win::UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ov.hEvent = done.get();
    DWORD read = 0;
    BOOL started =
        ReadFile(device_.get(), framed.data(), static_cast<DWORD>(framed.size()), nullptr, &ov);
    if (!Transfer(ov, started, stop, INFINITE, read) || read < 1)
        return false;
    data.assign(framed.begin() + 1, framed.begin() + read);
    return true;
}

// Waits for an overlapped transfer; cancels it on time-out or stop.
bool HidChannel::Transfer(OVERLAPPED& ov, BOOL started, HANDLE stop, DWORD timeoutMs,
                          DWORD& bytes) {
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return false;
    HANDLE waits[] = {ov.hEvent, stop};
    DWORD count = stop ? 2 : 1;
    if (WaitForMultipleObjects(count, waits, FALSE, timeoutMs) != WAIT_OBJECT_0) {
        CancelIo(device_.get());
        GetOverlappedResult(device_.get(), &ov, &bytes, TRUE);
        return false;
    }
    return GetOverlappedResult(device_.get(), &ov, &bytes, FALSE) != 0;
}

} // namespace mervik::hid
