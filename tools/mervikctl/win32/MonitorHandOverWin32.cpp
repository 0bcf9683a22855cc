#include <windows.h>

#include <cstring>
#include <functional>
#include <vector>

#include "contract/ProgramMessages.h"
#include "settings/win32/WidePath.h"
#include "tools/mervikctl/MonitorHandOver.h"
#include "win32/SharedBlockLinkWin32.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::tools {

namespace {

// A folder with one trailing backslash and its separators made alike.
std::wstring NormalFolder(std::wstring folder) {
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder.empty() ? folder : folder + L'\\';
}

// The folder of a file's path.
std::wstring FolderOfPath(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : NormalFolder(path.substr(0, cut));
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
    return NormalFolder(full);
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Changes the block of the Monitor that runs from `programFolder`, then
// posts it the messages `change` returns, in their order.
HandOver HandToMonitor(const std::string& programFolder,
                       const std::function<std::vector<unsigned>(SharedSettingsBlock&)>& change) {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    if (!monitor || !SameFolder(MonitorFolder(monitor), FullFolder(programFolder)))
        return HandOver::NotRunning;
    win::SharedBlockLink link;
    if (link.Open() != win::SharedBlockLink::Attach::Attached)
        return HandOver::BlockRefused;
    std::vector<unsigned> messages;
    const bool written = link.Update([&](SharedSettingsBlock& block) {
        messages = change(block);
        return true;
    });
    if (!written)
        return HandOver::BlockRefused;
    for (unsigned message : messages)
        if (!PostMessageA(monitor, message, 0, 0))
            return HandOver::BlockRefused;
    return HandOver::HandedOver;
}

// Settings changed without a switch: 1226 has Monitor take them in and tell
// an open Option (1224 does not, as it answers Option's own Apply); 1224 then
// uploads them when they are the current profile's.
std::vector<unsigned> ChangedWithoutSwitch(bool currentProfileChanged) {
    if (currentProfileChanged)
        return {kMsgReloadBlock, kMsgApplyAllSetting};
    return {kMsgReloadBlock};
}

} // namespace

// Monitor takes a changed current profile in a 1224 as a switch: it uploads
// the profile and announces it, to an open Option too (1255).
HandOver HandProfileToMonitor(const std::string& programFolder, int profile) {
    return HandToMonitor(programFolder, [profile](SharedSettingsBlock& block) {
        block.CurrentProfile = profile;
        return std::vector<unsigned>{kMsgApplyAllSetting};
    });
}

HandOver HandIdentityToMonitor(const std::string& programFolder, int index,
                               const ProfileRecord& record) {
    return HandToMonitor(programFolder, [&](SharedSettingsBlock& block) {
        std::memcpy(block.Profiles[index].ProFileName, record.ProFileName,
                    sizeof record.ProFileName);
        std::memcpy(block.Profiles[index].GameFile, record.GameFile, sizeof record.GameFile);
        return std::vector<unsigned>{kMsgReloadBlock};
    });
}

HandOver HandImportedProfileToMonitor(const std::string& programFolder, int index,
                                      const ProfileRecord& record) {
    return HandToMonitor(programFolder, [&](SharedSettingsBlock& block) {
        std::memcpy(&block.Profiles[index], &record, sizeof record);
        return ChangedWithoutSwitch(block.CurrentProfile == index);
    });
}

HandOver HandRestoredImageToMonitor(const std::string& programFolder,
                                    const SharedSettingsBlock& image) {
    return HandToMonitor(programFolder, [&](SharedSettingsBlock& block) {
        const bool switched = block.CurrentProfile != image.CurrentProfile;
        block.CurrentProfile = image.CurrentProfile;
        std::memcpy(block.Profiles, image.Profiles, sizeof image.Profiles);
        // A switch is announced to Option with every value of the block.
        return switched ? std::vector<unsigned>{kMsgApplyAllSetting} : ChangedWithoutSwitch(true);
    });
}

} // namespace mervik::tools
