#pragma once
// VirtualMouse.exe run by a test: started in a shape, ready once its
// collections are present, and ended (its devices removed) with the test.
#include <windows.h>

#include <string>

namespace mervik::testing {

class VirtualMouseProcess {
public:
    explicit VirtualMouseProcess(const std::string& shape);
    ~VirtualMouseProcess();
    VirtualMouseProcess(const VirtualMouseProcess&) = delete;
    VirtualMouseProcess& operator=(const VirtualMouseProcess&) = delete;

    bool Ready() const { return ready_; }
    DWORD Id() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
    HANDLE input_ = nullptr;
    HANDLE output_ = nullptr;
    bool ready_ = false;
};

} // namespace mervik::testing
