#include "tests/service/win32/MonitorUnderTest.h"

#include <shellapi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "contract/ProgramMessages.h"
#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/win32/ControlPipeClient.h"
#include "service/core/MonitorConstants.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "settings/win32/WidePath.h"

namespace mervik::testing {

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

// The folder of the test executable, where the build copied the programs.
// Paths are UTF-8, as inside the programs; Windows gets them wide.
std::string TestFolder() {
    return FolderOf(win::ModulePath());
}

// The shards of this test run side by side in Wine sessions of their own,
// whose processes may have the same id: a folder is only ours once we made
// it. A name that fails for another reason (a shard's folder of that name
// still being removed) is passed over too.
std::string FreshFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    std::string folder;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        folder = TestFolder() + "monitor-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(counter++) + name + "\\";
        if (CreateDirectoryW(win::Widen(folder).c_str(), nullptr))
            return folder;
    }
    std::fprintf(stderr, "could not make a program folder like %s: error %lu\n", folder.c_str(),
                 GetLastError());
    return {};
}

void RemoveFolder(const std::string& folder) {
    std::wstring from = win::Widen(folder.substr(0, folder.size() - 1)) + std::wstring(2, L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}

bool LaunchMonitor(const std::string& folder, const std::string& arguments,
                   PROCESS_INFORMATION& process) {
    std::wstring commandLine =
        win::Widen("\"" + folder + "Monitor.exe\"" + (arguments.empty() ? "" : " " + arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          win::Widen(folder).c_str(), &startup, &process) != FALSE;
}

void CopyProgram(const std::string& from, const std::string& to) {
    if (!CopyFileW(win::Widen(from).c_str(), win::Widen(to).c_str(), FALSE))
        std::fprintf(stderr, "could not copy %s to %s: error %lu\n", from.c_str(), to.c_str(),
                     GetLastError());
}

// The control channel's log: a time and a transfer on each line.
std::vector<std::string> TransfersOf(const std::string& log) {
    std::vector<std::string> transfers;
    std::istringstream lines(log);
    for (std::string time, rest; lines >> time && std::getline(lines >> std::ws, rest);)
        transfers.push_back(rest);
    return transfers;
}

} // namespace

MonitorUnderTest::MonitorUnderTest(bool withMouseLibrary, void (*edit)(SharedSettingsBlock&),
                                   const std::string& folderName)
    : folder_(FreshFolder(folderName)) {
    if (folder_.empty())
        return; // Start says so
    const std::string programs = TestFolder() + "monitor-files\\";
    CopyProgram(programs + "Monitor.exe", folder_ + "Monitor.exe");
    CopyProgram(programs + "lan.dll", folder_ + "lan.dll");
    if (withMouseLibrary)
        CopyProgram(programs + "hiddriver.dll", folder_ + "hiddriver.dll");
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    ResetAllProfiles(*image);
    if (edit)
        edit(*image);
    SaveAll(*image, folder_);
}

MonitorUnderTest::~MonitorUnderTest() {
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            if (window_)
                PostMessageA(window_, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(process_.hProcess, 15000) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 9);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    if (!folder_.empty())
        RemoveFolder(folder_);
}

bool MonitorUnderTest::Start(const std::string& arguments) {
    if (folder_.empty()) {
        std::fprintf(stderr, "Monitor.exe has no program folder of its own to start in\n");
        return false;
    }
    if (!LaunchMonitor(folder_, arguments, process_)) {
        std::fprintf(stderr, "could not start Monitor.exe in %s: error %lu\n", folder_.c_str(),
                     GetLastError());
        return false;
    }
    for (int i = 0; i < 200 && !window_; ++i) {
        Sleep(50);
        window_ = FindWindowA(nullptr, kMonitorCaption);
    }
    // The window has its caption before its start-up is done, and answers
    // sent messages while it waits on the shell; Device comes near the end.
    for (int i = 0; i < 200 && window_ && DeviceFlag() < 0; ++i)
        Sleep(50);
    return window_ != nullptr && DeviceFlag() >= 0;
}

int MonitorUnderTest::RunSecond(const std::string& arguments, DWORD timeoutMs) {
    PROCESS_INFORMATION second{};
    if (!LaunchMonitor(folder_, arguments, second))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(second.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(second.hProcess, &code);
    else
        TerminateProcess(second.hProcess, 9);
    CloseHandle(second.hProcess);
    CloseHandle(second.hThread);
    return static_cast<int>(code);
}

void MonitorUnderTest::EndNow() {
    if (process_.hProcess && TerminateProcess(process_.hProcess, 9))
        WaitForSingleObject(process_.hProcess, 15000);
}

int MonitorUnderTest::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

std::string MonitorUnderTest::ConfigPath() const {
    return ConfigFilePath(folder_);
}

int MonitorUnderTest::DeviceFlag() const {
    HANDLE file = CreateFileW(win::Widen(ConfigPath()).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    char text[8192] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    const char* at = std::strstr(text, "Device=");
    return at ? std::atoi(at + 7) : -1;
}

bool MonitorUnderTest::Responds() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, kMsgPing, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                               &result) != 0;
}

// 1274 is the message the window answers without doing anything.
double MonitorUnderTest::AnswerMs() {
    const auto start = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window_, kMsgPing, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Modifying an icon succeeds only while the icon is there.
bool MonitorUnderTest::TrayIconShown() {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = window_;
    record.uID = monitor::kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

std::unique_ptr<SharedSettingsBlock> MonitorUnderTest::Block() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kSharedBlockName);
    if (!mapping)
        return nullptr;
    HANDLE mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kSharedMutexName);
    auto image = std::make_unique<SharedSettingsBlock>();
    if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof *image)) {
        if (mutex)
            WaitForSingleObject(mutex, INFINITE);
        std::memcpy(image.get(), view, sizeof *image);
        if (mutex)
            ReleaseMutex(mutex);
        UnmapViewOfFile(view);
    } else {
        image.reset();
    }
    if (mutex)
        CloseHandle(mutex);
    CloseHandle(mapping);
    return image;
}

bool MonitorUnderTest::WriteBlock(const SharedSettingsBlock& block) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kSharedBlockName);
    HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSharedMutexName);
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof block) : nullptr;
    const bool ok = view && mutex && WaitForSingleObject(mutex, INFINITE) == WAIT_OBJECT_0;
    if (ok) {
        std::memcpy(view, &block, sizeof block);
        ReleaseMutex(mutex);
    }
    if (view)
        UnmapViewOfFile(view);
    if (mutex)
        CloseHandle(mutex);
    if (mapping)
        CloseHandle(mapping);
    return ok;
}

std::optional<std::string> MonitorUnderTest::Mouse(const std::string& command) {
    return sim::SendControlCommand(
        sim::ControlPipeName(mouseProcess_ ? mouseProcess_ : process_.dwProcessId), command);
}

int MonitorUnderTest::MouseNumber(const std::string& field) {
    std::optional<std::string> state = Mouse("state");
    if (!state)
        return -1;
    const std::string key = "\"" + field + "\":";
    const size_t at = state->find(key);
    return at == std::string::npos ? -1 : std::atoi(state->c_str() + at + key.size());
}

int MonitorUnderTest::CountInLog(const std::string& prefix) {
    std::optional<std::string> log = Mouse("log");
    if (!log)
        return -1;
    int count = 0;
    for (const std::string& transfer : TransfersOf(*log))
        count += transfer.rfind(prefix, 0) == 0;
    return count;
}

std::vector<std::string> MonitorUnderTest::Transfers() {
    return TransfersOf(Mouse("log").value_or(""));
}

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

bool MonitorUnderTest::Eventually(DWORD timeoutMs, bool (*condition)(MonitorUnderTest&),
                                  MonitorUnderTest& m) {
    return WaitUntil(timeoutMs, [&] { return condition(m); });
}

} // namespace mervik::testing
