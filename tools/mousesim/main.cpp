// mousesim: control the simulated mouse inside a running Monitor (or any
// process that loaded the simulated hiddriver.dll), or the one behind the
// tests' virtual mouse (VirtualMouse.exe), over its control pipe.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/win32/ControlPipeClient.h"
#include "tools/mousesim/FindProcess.h"

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
    "exit status: 0 done, 1 the mouse refused the command, 2 usage, 3 no simulated mouse\n";

int Usage(int status) {
    std::fputs(kUsage, status == 0 ? stdout : stderr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    int at = 1;
    unsigned long pid = 0;
    if (at < argc && (std::string(argv[at]) == "--help" || std::string(argv[at]) == "-h"))
        return Usage(0);
    if (at < argc && std::string(argv[at]) == "--pid") {
        pid = at + 1 < argc ? std::strtoul(argv[at + 1], nullptr, 10) : 0;
        if (pid == 0)
            return Usage(2);
        at += 2;
    }
    if (at >= argc)
        return Usage(2);
    std::string command = argv[at++];
    for (; at < argc; ++at)
        command += std::string(" ") + argv[at];

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
