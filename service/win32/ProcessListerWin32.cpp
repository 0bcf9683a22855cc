#include "service/win32/ProcessListerWin32.h"

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

#include "win32/UniqueHandleWin32.h"

namespace mervik {

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::optional<std::string> Win32ProcessLister::ForegroundExecutable() {
    DWORD processId = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &processId);
    if (processId == 0)
        return std::nullopt;
    win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return std::nullopt;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != processId)
            continue;
        entry.szExeFile[sizeof entry.szExeFile - 1] = '\0';
        std::string name = entry.szExeFile;
        // Some systems give the whole path; the match wants the file name.
        const size_t slash = name.find_last_of("\\/");
        return Lowered(slash == std::string::npos ? name : name.substr(slash + 1));
    }
    return std::nullopt;
}

} // namespace mervik
