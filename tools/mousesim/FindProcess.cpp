#include "tools/mousesim/FindProcess.h"

#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include "win32/UniqueHandleWin32.h"

namespace mervik::tools {

std::optional<unsigned long> OnlyProcessNamed(const std::string& exeName) {
    win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return std::nullopt;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::optional<unsigned long> found;
    int matches = 0;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) != 0)
            continue;
        found = entry.th32ProcessID;
        ++matches;
    }
    return matches == 1 ? found : std::nullopt;
}

} // namespace mervik::tools
