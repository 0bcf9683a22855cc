// Tells the running Option that its monitor's DPI changed, as Windows does
// when the window moves to a monitor of another scale (Wine does not move a
// window between monitors of different DPIs itself):
//   SendDpiChange DPI LEFT TOP RIGHT BOTTOM
// sends WM_DPICHANGED with that DPI and that suggested rectangle to the
// window the user sees, and prints "answered=1" once it has been handled.
//
// The rectangle travels by pointer. Whether the system copies it across
// processes or not, Option reads it: it stands at the same address in both,
// written into Option's memory and, at that address, into ours.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "contract/ProgramMessages.h"

namespace {

RECT* SameAddressIn(HANDLE process, const RECT& rect) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        void* there =
            VirtualAllocEx(process, nullptr, sizeof rect, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (!there)
            return nullptr;
        void* here = VirtualAlloc(there, sizeof rect, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (here == there) {
            *static_cast<RECT*>(here) = rect;
            if (WriteProcessMemory(process, there, &rect, sizeof rect, nullptr))
                return static_cast<RECT*>(there);
            return nullptr;
        }
        // Taken in this process: try another address (the first stays
        // allocated there, so the next one differs).
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        fprintf(stderr, "usage: SendDpiChange DPI LEFT TOP RIGHT BOTTOM\n");
        return 2;
    }
    const int dpi = atoi(argv[1]);
    const RECT suggested{atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5])};
    // The window peers find is owned by the one the user sees.
    HWND peer = FindWindowA(nullptr, mervik::kOptionCaption);
    HWND option = peer ? GetWindow(peer, GW_OWNER) : nullptr;
    DWORD processId = 0;
    if (!option || !GetWindowThreadProcessId(option, &processId)) {
        printf("error=no-option\n");
        return 1;
    }
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    RECT* rect = process ? SameAddressIn(process, suggested) : nullptr;
    if (!rect) {
        printf("error=no-memory\n");
        return 1;
    }
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(option, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                            reinterpret_cast<LPARAM>(rect), SMTO_NORMAL, 20000, &result) != 0;
    printf("answered=%d\n", answered ? 1 : 0);
    CloseHandle(process);
    return answered ? 0 : 1;
}
