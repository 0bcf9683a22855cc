#include "service/core/NoticeText.h"

#include <algorithm>

namespace mervik {

std::string NoticeTextOf(std::span<const uint8_t> payload) {
    if (payload.size() <= 1)
        return {};
    std::span<const uint8_t> text =
        payload.subspan(1, std::min(payload.size(), kNoticePayloadSize) - 1);
    auto end = std::find(text.begin(), text.end(), uint8_t{0});
    return std::string(text.begin(), end);
}

} // namespace mervik
