#pragma once
// Option's window base over the binding of win::Window: each message goes to
// a short virtual handler whose default is the window's default procedure.
// Owner-draw and colour requests and the notifications a child sends its
// parent are reflected back to the child, so every control draws itself and
// hears its own notifications. Controls report to whoever made them through
// callback members, never through their parent's messages.
#include <functional>
#include <type_traits>

#include "win32/Window.h"

namespace mervik::ui {

class CWindow : public win::Window {
public:
    // The object behind `hwnd` when it is one of Option's windows.
    static CWindow* FromHandle(HWND hwnd);

    // Hands a WM_COMMAND notification to the control that sent it; true when
    // the control took it. Our windows do this for their children; a parent
    // that is not one of ours calls it itself.
    static bool ReflectCommand(WPARAM wp, LPARAM lp);

protected:
    // Calls `report`, a callback member of this control, with `args` from the
    // queue once the message being handled is done, so its owner never runs
    // inside the input that caused it; nothing when it is unset by then.
    template <class... Args>
    void PostReport(const std::function<void(Args...)>& report,
                    std::type_identity_t<Args>... args) {
        Post([&report, args...] {
            if (report)
                report(args...);
        });
    }

    LRESULT WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) final;

    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT OnCreate() { return Default(); }
    virtual void OnDestroy() { Default(); }
    virtual bool PaintsItself() const { return false; }
    virtual void OnPaint(HDC, const PAINTSTRUCT&) {}
    virtual LRESULT OnEraseBkgnd(HDC) { return Default(); }
    // A popup menu's choice (a WM_COMMAND from no control).
    virtual LRESULT OnMenuCommand(WORD /*command*/) { return Default(); }
    virtual LRESULT OnTimer(UINT_PTR) { return Default(); }
    virtual LRESULT OnLButtonDown(UINT, POINT) { return Default(); }
    virtual LRESULT OnLButtonUp(UINT, POINT) { return Default(); }
    virtual LRESULT OnLButtonDblClk(UINT, POINT) { return Default(); }
    virtual LRESULT OnRButtonDown(UINT, POINT) { return Default(); }
    virtual LRESULT OnMouseMove(UINT, POINT) { return Default(); }
    virtual LRESULT OnMouseLeave() { return Default(); }
    virtual LRESULT OnCaptureChanged(HWND) { return Default(); }
    virtual LRESULT OnKillFocus(HWND) { return Default(); }
    virtual LRESULT OnKeyDown(UINT) { return Default(); }
    virtual LRESULT OnKeyUp(UINT) { return Default(); }
    virtual LRESULT OnSysCommand(UINT) { return Default(); }
    // Reflected from the parent.
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    virtual HBRUSH OnCtlColor(HDC) { return nullptr; }
    // A notification (EN_CHANGE, ...) the control sent its parent; true
    // when the control took it, so the parent does not see it.
    virtual bool OnReflectedCommand(WORD /*code*/) { return false; }

private:
    LRESULT Paint();
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

} // namespace mervik::ui
