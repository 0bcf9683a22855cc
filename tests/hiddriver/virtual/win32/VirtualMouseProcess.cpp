#include "tests/hiddriver/virtual/win32/VirtualMouseProcess.h"

#include "settings/FilePaths.h"
#include "settings/win32/WidePath.h"

namespace mervik::testing {

namespace {

constexpr DWORD kStopWaitMs = 10000;

// The line the process prints first: "ready ..." once its devices are there.
std::string FirstLine(HANDLE output) {
    std::string line;
    char c = 0;
    DWORD n = 0;
    while (ReadFile(output, &c, 1, &n, nullptr) && n == 1 && c != '\n')
        line.push_back(c);
    return line;
}

} // namespace

VirtualMouseProcess::VirtualMouseProcess(const std::string& shape) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr, childOutput = nullptr;
    if (!CreatePipe(&childInput, &input_, &inherit, 0) ||
        !CreatePipe(&output_, &childOutput, &inherit, 0))
        return;
    SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const std::string folder = FolderOf(win::ModulePath()) + "virtual-mouse\\";
    std::wstring commandLine = win::Widen("\"" + folder + "VirtualMouse.exe\" " + shape);
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, win::Widen(folder).c_str(), &startup, &process_);
    CloseHandle(childInput);
    CloseHandle(childOutput);
    ready_ = started && FirstLine(output_).rfind("ready", 0) == 0;
}

VirtualMouseProcess::~VirtualMouseProcess() {
    if (process_.hProcess) {
        DWORD written = 0;
        WriteFile(input_, "quit\n", 5, &written, nullptr);
        if (WaitForSingleObject(process_.hProcess, kStopWaitMs) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 9);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    if (input_)
        CloseHandle(input_);
    if (output_)
        CloseHandle(output_);
}

} // namespace mervik::testing
