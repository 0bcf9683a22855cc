// mousesim: control the simulated mouse inside a running Monitor (or any
// process that loaded the simulated hiddriver.dll), or the one behind the
// tests' virtual mouse (VirtualMouse.exe), over its control pipe.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/win32/ControlPipeClient.h"
#include "tools/mousesim/FindProcess.h"
#include "tools/mousesim/MousesimArguments.h"

namespace {

constexpr char kUsage[] =
    "usage: mousesim [--pid N] COMMAND [ARGUMENT]\n"
    "\n"
    "Talks to the simulated mouse of the process N, by default the only running\n"
    "Monitor.exe with the simulated hiddriver.dll, else the only running\n"
    "VirtualMouse.exe (the tests' virtual mouse behind the real HID stack),\n"
    "through the pipe \\\\.\\pipe\\mervik-mousesim-N.\n"
    "\n"
    "commands:\n"
    "  plug                 the mouse arrives (Monitor gets change message 1326, wParam 1)\n"
    "  unplug               the mouse is removed (1326, wParam 0)\n"
    "  dpi                  press the DPI button: next level in use (event 1325, class 0x0700)\n"
    "  rate                 press the rate button: 8, 4, 2, 1 ms in turn (event 1325, class "
    "0x0500)\n"
    "  state                the mouse's memory and counters as one line of JSON\n"
    "  log                  the transfer log, one transfer a line:\n"
    "                         MICROSECONDS feature XX XX XX XX XX XX XX XX\n"
    "                         MICROSECONDS write LEN XX ...\n"
    "                         MICROSECONDS read XX XX XX XX XX XX XX XX\n"
    "                       with \" ! ERROR\" after a transfer the mouse refused or found "
    "malformed\n"
    "  clear-log            forget the log and the counters\n"
    "  fail N               the next N transfers fail\n"
    "  vanish N             the mouse is removed after N more transfers\n"
    "  read normal|garbage|silent\n"
    "                       answer the 0x8B read properly, with garbage, or not at all\n"
    "\n"
    "Wrong usage is told in one line and changes nothing.\n"
    "exit status: 0 done, 1 the mouse refused the command, 2 wrong usage, 3 no simulated mouse\n";

} // namespace

int main(int argc, char** argv) {
    using mervik::tools::MousesimRequest;
    const MousesimRequest request =
        mervik::tools::ReadMousesimArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (request.kind) {
    case MousesimRequest::Kind::Help:
        std::fputs(kUsage, stdout);
        return 0;
    case MousesimRequest::Kind::Usage:
        std::fprintf(stderr,
                     "mousesim: %s\nusage: mousesim [--pid N] COMMAND [ARGUMENT]  (see "
                     "\"mousesim --help\")\n",
                     request.problem.c_str());
        return 2;
    case MousesimRequest::Kind::Send:
        break;
    }
    unsigned long pid = request.pid;
    const std::string& command = request.command;
    std::optional<std::string> reply;
    if (pid == 0) {
        // A Monitor with the real library serves no pipe: the virtual mouse does.
        for (const char* exe : {"Monitor.exe", "VirtualMouse.exe"}) {
            auto found = mervik::tools::OnlyProcessNamed(exe);
            if (found && (reply = mervik::sim::SendControlCommand(
                              mervik::sim::ControlPipeName(*found), command, 1000))) {
                pid = *found;
                break;
            }
        }
        if (!reply) {
            std::fputs("mousesim: no single Monitor.exe or VirtualMouse.exe with a simulated "
                       "mouse; name the process with --pid\n",
                       stderr);
            return 3;
        }
    } else {
        reply = mervik::sim::SendControlCommand(mervik::sim::ControlPipeName(pid), command);
    }
    if (!reply) {
        std::fprintf(stderr, "mousesim: no simulated mouse in process %lu\n", pid);
        return 3;
    }
    std::fputs(reply->c_str(), stdout);
    return reply->rfind("error:", 0) == 0 ? 1 : 0;
}
