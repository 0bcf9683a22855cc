#pragma once
// A Monitor.exe in a fresh program folder of its own, with the simulated
// hiddriver.dll (or without any), started as a user would start it, and the
// ways a test looks at it: its window, tray icon, shared block, files and the
// simulated mouse's control channel.
#include <windows.h>

#include <functional>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/SharedSettingsBlock.h"

namespace mervik::testing {

// Polls `condition` until it holds or `timeoutMs` pass; true if it held.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& condition);

class MonitorUnderTest {
public:
    // Lays out the folder: Monitor.exe, lan.dll, default settings, and the
    // simulated mouse unless `withMouseLibrary` is false. `edit` may change
    // the settings written first.
    // `folderName` (UTF-8) ends the name of the program folder.
    explicit MonitorUnderTest(bool withMouseLibrary = true,
                              void (*edit)(SharedSettingsBlock&) = nullptr,
                              const std::string& folderName = "");
    ~MonitorUnderTest();
    MonitorUnderTest(const MonitorUnderTest&) = delete;
    MonitorUnderTest& operator=(const MonitorUnderTest&) = delete;

    // Starts Monitor.exe with `arguments` and waits for its hidden window.
    bool Start(const std::string& arguments = "");
    // Runs another Monitor.exe from the same folder; its exit code, or -1.
    int RunSecond(const std::string& arguments, DWORD timeoutMs = 20000);
    // Waits for the process to end; its exit code, or -1 on time-out.
    int WaitForExit(DWORD timeoutMs);
    // Ends the process at once, with whatever upload it has under way: for a
    // case that has checked what it measures. Closed, Monitor would finish
    // the upload first, seconds of a case that runs alone.
    void EndNow();

    HWND Window() const { return window_; }
    HANDLE Process() const { return process_.hProcess; }
    const std::string& Folder() const { return folder_; }
    std::string ConfigPath() const;
    // Device from config.ini, read without ever blocking Monitor's rename of
    // the file; -1 before Monitor has written it.
    int DeviceFlag() const;
    // The hidden window still answers.
    bool Responds();
    // How long the hidden window took to answer one sent message, in ms.
    double AnswerMs();

    bool TrayIconShown();
    // The shared block as it is now; nothing when it does not exist.
    std::unique_ptr<SharedSettingsBlock> Block();
    bool WriteBlock(const SharedSettingsBlock& block);

    // The simulated mouse lives in Monitor (the simulated library) unless it
    // lives in another process (the virtual mouse behind the real library).
    void UseMouseOf(DWORD processId) { mouseProcess_ = processId; }
    // One control command to the simulated mouse; its reply, or nothing.
    std::optional<std::string> Mouse(const std::string& command);
    int MouseNumber(const std::string& field); // from "state"; -1 when absent
    int CountInLog(const std::string& prefix); // log lines whose transfer starts with `prefix`
    // The mouse's log, one transfer a line without its time.
    std::vector<std::string> Transfers();
    // Polls until `condition` holds or `timeoutMs` passes.
    static bool Eventually(DWORD timeoutMs, bool (*condition)(MonitorUnderTest&),
                           MonitorUnderTest& m);

private:
    std::string folder_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    DWORD mouseProcess_ = 0;
};

} // namespace mervik::testing
