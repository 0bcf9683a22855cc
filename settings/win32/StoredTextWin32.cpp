#include "settings/StoredText.h"

#include <windows.h>

#include "settings/win32/WidePath.h"

namespace mervik {

std::string ShownFromStored(std::string_view stored) {
    if (stored.empty())
        return {};
    const auto size = static_cast<int>(stored.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, stored.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, stored.data(), size, wide.data(), length);
    return win::Utf8(wide);
}

} // namespace mervik
