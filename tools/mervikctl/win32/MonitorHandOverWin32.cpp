#include <windows.h>

#include "contract/ProgramMessages.h"
#include "settings/win32/WidePath.h"
#include "tools/mervikctl/MonitorHandOver.h"
#include "win32/SharedBlockLinkWin32.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::tools {

namespace {

// The folder of `path` with its trailing backslash, separators made alike.
std::wstring FolderOfPath(std::wstring path) {
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    const size_t cut = path.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring MonitorFolder(HWND monitor) {
    DWORD processId = 0;
    GetWindowThreadProcessId(monitor, &processId);
    win::UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length))
        return {};
    path.resize(length);
    return FolderOfPath(path);
}

std::wstring FullFolder(const std::string& programFolder) {
    const std::wstring given = win::Widen(programFolder);
    std::wstring full(32768, L'\0');
    const DWORD length =
        GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return {};
    full.resize(length);
    return FolderOfPath(full + L"\\x");
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

HandOver HandProfileToMonitor(const std::string& programFolder, int profile) {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    if (!monitor || !SameFolder(MonitorFolder(monitor), FullFolder(programFolder)))
        return HandOver::NotRunning;
    win::SharedBlockLink link;
    if (link.Open() != win::SharedBlockLink::Attach::Attached)
        return HandOver::BlockRefused;
    const bool written = link.Update([profile](SharedSettingsBlock& block) {
        block.CurrentProfile = profile;
        return true;
    });
    if (!written || !win::WakeMonitor())
        return HandOver::BlockRefused;
    // Option, when open, follows as it follows Monitor's own switches: only
    // its current profile changes, its unapplied edits stay.
    if (HWND option = FindWindowA(nullptr, kOptionCaption))
        PostMessageA(option, kMsgProfileSwitched, 0, 0);
    return HandOver::HandedOver;
}

} // namespace mervik::tools
