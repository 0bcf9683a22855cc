#include "hiddriver/win32/HidChannel.h"

#include <winioctl.h>

#include <algorithm>

#include "hiddriver/core/ReportFraming.h"
#include "hiddriver/win32/HidTrace.h"

namespace mervik::hid {

namespace {

// The Windows driver kit's values; mingw-w64's hidclass.h has placeholders.
constexpr DWORD kIoctlHidSetFeature =
    CTL_CODE(FILE_DEVICE_KEYBOARD, 100, METHOD_IN_DIRECT, FILE_ANY_ACCESS);
constexpr DWORD kIoctlHidGetFeature =
    CTL_CODE(FILE_DEVICE_KEYBOARD, 100, METHOD_OUT_DIRECT, FILE_ANY_ACCESS);

// How long a cancelled transfer may take to let go of its buffer.
constexpr DWORD kCancelWaitMs = 1000;

} // namespace

// A transfer's buffer and its OVERLAPPED: the system writes into both until
// the transfer ends, so they stay alive past a cancel that does not finish.
struct HidChannel::Pending {
    OVERLAPPED ov{};
    win::UniqueHandle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    std::vector<uint8_t> buffer;

    explicit Pending(std::vector<uint8_t> data) : buffer(std::move(data)) {
        ov.hEvent = done.get();
    }
};

bool HidChannel::Open(const HidCollection& collection, bool readWrite) {
    collection_ = collection;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    device_.reset(CreateFileA(collection.path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!device_ && !readWrite)
        device_.reset(CreateFileA(collection.path.c_str(), 0, share, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED, nullptr));
    if (!device_)
        TraceFailure("CreateFile", collection.path);
    return IsOpen();
}

bool HidChannel::Failed(const char* call, DWORD error) {
    TraceFailure(call, collection_.path, error);
    return false;
}

bool HidChannel::Frame(std::span<const uint8_t> data, uint8_t reportId, uint16_t length,
                       const char* call, std::vector<uint8_t>& framed) {
    if (!IsOpen())
        return false;
    auto report = FrameReport(data, reportId, length);
    if (!report) {
        Trace(std::string("hiddriver: ") + call + " on " + collection_.path + ": " +
              std::to_string(data.size()) + " bytes do not fit its report of " +
              std::to_string(length) + " bytes");
        return false;
    }
    framed = std::move(*report);
    return true;
}

// Waits for an overlapped transfer; cancels it on time-out or stop. Returns
// the transfer's error, 0 when it succeeded.
DWORD HidChannel::Await(std::unique_ptr<Pending>& pending, BOOL started, HANDLE stop,
                        DWORD timeoutMs, DWORD& bytes) {
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return GetLastError();
    HANDLE waits[] = {pending->done.get(), stop};
    const DWORD woke = WaitForMultipleObjects(stop ? 2 : 1, waits, FALSE, timeoutMs);
    if (woke == WAIT_OBJECT_0)
        return GetOverlappedResult(device_.get(), &pending->ov, &bytes, FALSE) ? 0 : GetLastError();
    CancelIoEx(device_.get(), &pending->ov);
    if (WaitForSingleObject(pending->done.get(), kCancelWaitMs) == WAIT_OBJECT_0)
        GetOverlappedResult(device_.get(), &pending->ov, &bytes, FALSE);
    else
        pending.release(); // still the system's: leaked rather than freed under it
    return woke == WAIT_TIMEOUT ? ERROR_TIMEOUT : ERROR_OPERATION_ABORTED;
}

bool HidChannel::Control(DWORD code, const char* call, std::vector<uint8_t>& buffer, bool answer) {
    auto pending = std::make_unique<Pending>(std::move(buffer));
    const DWORD size = static_cast<DWORD>(pending->buffer.size());
    BOOL started = DeviceIoControl(device_.get(), code, pending->buffer.data(), size,
                                   answer ? pending->buffer.data() : nullptr, answer ? size : 0,
                                   nullptr, &pending->ov);
    DWORD bytes = 0;
    const DWORD error = Await(pending, started, nullptr, kTransferTimeoutMs, bytes);
    if (error)
        return Failed(call, error);
    buffer = std::move(pending->buffer);
    return true;
}

bool HidChannel::SetFeature(std::span<const uint8_t> report) {
    std::vector<uint8_t> framed;
    return Frame(report, collection_.featureReportId, collection_.featureLength, "HidD_SetFeature",
                 framed) &&
           Control(kIoctlHidSetFeature, "HidD_SetFeature", framed, false);
}

bool HidChannel::GetFeature(std::span<uint8_t> report) {
    std::vector<uint8_t> framed;
    if (!Frame(report, collection_.featureReportId, collection_.featureLength, "HidD_GetFeature",
               framed) ||
        !Control(kIoctlHidGetFeature, "HidD_GetFeature", framed, true))
        return false;
    auto body = ReportBody(framed, collection_.featureReportId);
    if (!body || body->size() < report.size()) {
        Trace("hiddriver: HidD_GetFeature on " + collection_.path +
              ": the answer carries another report id");
        return false;
    }
    std::copy_n(body->begin(), report.size(), report.begin());
    return true;
}

bool HidChannel::WriteOutput(std::span<const uint8_t> block) {
    std::vector<uint8_t> framed;
    if (!Frame(block, collection_.outputReportId, collection_.outputLength, "WriteFile", framed))
        return false;
    auto pending = std::make_unique<Pending>(std::move(framed));
    const DWORD size = static_cast<DWORD>(pending->buffer.size());
    BOOL started = WriteFile(device_.get(), pending->buffer.data(), size, nullptr, &pending->ov);
    DWORD written = 0;
    const DWORD error = Await(pending, started, nullptr, kTransferTimeoutMs, written);
    if (error)
        return Failed("WriteFile", error);
    // Wine's hidclass counts the report without its id byte, Windows with it.
    if (written + 1 < size)
        return Failed("WriteFile", ERROR_WRITE_FAULT);
    return true;
}

bool HidChannel::ReadInput(std::vector<uint8_t>& body, HANDLE stop) {
    if (!IsOpen() || collection_.inputLength == 0)
        return false;
    auto pending = std::make_unique<Pending>(std::vector<uint8_t>(collection_.inputLength));
    BOOL started = ReadFile(device_.get(), pending->buffer.data(), collection_.inputLength, nullptr,
                            &pending->ov);
    DWORD read = 0;
    const DWORD error = Await(pending, started, stop, INFINITE, read);
    if (error == ERROR_OPERATION_ABORTED && WaitForSingleObject(stop, 0) == WAIT_OBJECT_0)
        return false;
    if (error)
        return Failed("ReadFile", error);
    auto report = ReportBody(std::span(pending->buffer).first(read), collection_.inputReportId);
    if (!report)
        body.clear(); // another report of the collection: not an event
    else
        body.assign(report->begin(), report->end());
    return true;
}

} // namespace mervik::hid
