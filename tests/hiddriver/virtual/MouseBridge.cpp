#include "tests/hiddriver/virtual/MouseBridge.h"

#include <algorithm>

#include "protocol/DeviceReports.h"

namespace mervik::vmouse {

namespace {

BridgeReply Status(bool ok) {
    return {ok ? VMOUSE_STATUS_SUCCESS : VMOUSE_STATUS_UNSUCCESSFUL, {}, false};
}

} // namespace

const VirtualCollection* MouseBridge::Collection(std::string_view key) const {
    for (const VirtualCollection& c : shape_.collections)
        if (c.key == key)
            return &c;
    return nullptr;
}

BridgeReply MouseBridge::Answer(uint32_t kind, std::string_view device, uint8_t reportId,
                                std::span<const uint8_t> data) {
    const VirtualCollection* c = Collection(device);
    if (!c)
        return {VMOUSE_STATUS_DEVICE_NOT_CONNECTED, {}, false};
    if (kind == VMOUSE_DESCRIPTOR)
        return {VMOUSE_STATUS_SUCCESS, c->descriptor, false};
    // A numbered report comes with its id in front.
    std::span<const uint8_t> body = data;
    if (reportId != 0 && !body.empty() && body[0] == reportId)
        body = body.subspan(1);
    switch (kind) {
    case VMOUSE_SET_FEATURE:
        return SetFeature(*c, body);
    case VMOUSE_GET_FEATURE:
        return GetFeature(*c, body);
    case VMOUSE_WRITE:
        return Write(*c, body);
    default:
        return Status(false);
    }
}

BridgeReply MouseBridge::SetFeature(const VirtualCollection& c, std::span<const uint8_t> body) {
    if (c.featureBytes == 0)
        return Status(false);
    return Status(mouse_.SetFeature(body.first(std::min(body.size(), wire::kFeatureReportSize))));
}

BridgeReply MouseBridge::GetFeature(const VirtualCollection& c, std::span<const uint8_t> body) {
    if (c.featureBytes == 0)
        return Status(false);
    uint8_t report[wire::kFeatureReportSize] = {};
    std::copy_n(body.begin(), std::min(body.size(), sizeof report), report);
    const bool silent = mouse_.ReadAnswerMode() == sim::ReadAnswer::Silent;
    if (!mouse_.GetFeature(report))
        return {silent ? VMOUSE_STATUS_IO_TIMEOUT : VMOUSE_STATUS_UNSUCCESSFUL, {}, silent};
    BridgeReply reply;
    if (c.featureId)
        reply.data.push_back(c.featureId);
    reply.data.insert(reply.data.end(), std::begin(report), std::end(report));
    reply.data.resize((c.featureId ? 1 : 0) + c.featureBytes, 0);
    return reply;
}

BridgeReply MouseBridge::Write(const VirtualCollection& c, std::span<const uint8_t> body) {
    if (c.outputBytes == 0)
        return Status(false);
    if (auto announced = mouse_.AnnouncedBlockSize(); announced && *announced <= body.size())
        body = body.first(*announced);
    return Status(mouse_.Write(body));
}

std::optional<InputReport> MouseBridge::InputFor(const sim::Notification& n) const {
    if (n.kind != sim::Notification::Event)
        return std::nullopt;
    for (const VirtualCollection& c : shape_.collections) {
        if (c.pointer || c.inputBytes == 0)
            continue;
        InputReport input{c.key, {}};
        if (c.inputId)
            input.data.push_back(c.inputId);
        const auto value = static_cast<uint16_t>(n.lParam);
        input.data.insert(input.data.end(),
                          {static_cast<uint8_t>(n.wParam >> 8), static_cast<uint8_t>(n.wParam),
                           static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
        input.data.resize((c.inputId ? 1 : 0) + c.inputBytes, 0);
        return input;
    }
    return std::nullopt;
}

} // namespace mervik::vmouse
