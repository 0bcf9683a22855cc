#pragma once
// A kernel handle closed on scope exit; move-only.
#include <windows.h>

#include <utility>

namespace mervik::ui {

class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : h_(h) {}
    KernelHandle(KernelHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { reset(); }

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(HANDLE h = nullptr) {
        if (h_)
            CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};

} // namespace mervik::ui
