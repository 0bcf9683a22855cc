#pragma once
// The one window base: a static window procedure finds the object behind a
// window and hands each message to a short virtual handler. Handlers that are
// not overridden fall through to the window's default procedure (the class's
// own for subclassed system controls). Owner-draw and colour requests that a
// child sends its parent are reflected back to the child, so every control
// draws itself.
#include <windows.h>

namespace mervik::ui {

class CWindow {
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    virtual ~CWindow();

    HWND Hwnd() const { return hwnd_; }
    static CWindow* FromHandle(HWND hwnd);

    void Destroy();

    // Hands a WM_COMMAND notification to the control that sent it; true when
    // the control took it. Our windows do this for their children; a parent
    // that is not one of ours calls it itself.
    static bool ReflectCommand(WPARAM wp, LPARAM lp);

protected:
    // Registers a class whose procedure is ours; once per name and process.
    static bool RegisterWindowClass(const char* name, UINT style, HCURSOR cursor);
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style,
                const RECT& rect, HWND parent);
    // Takes over a window created from a system class, keeping its procedure
    // as the default for everything not handled here. It is a comctl32
    // subclass, so it stacks with the others a window may get (a tooltip's).
    bool Attach(HWND hwnd);

    // The default procedure for the message being handled right now.
    LRESULT Default();

    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT OnCreate() { return Default(); }
    virtual void OnDestroy() { Default(); }
    virtual bool PaintsItself() const { return false; }
    virtual void OnPaint(HDC, const PAINTSTRUCT&) {}
    virtual LRESULT OnEraseBkgnd(HDC) { return Default(); }
    virtual LRESULT OnCommand(WORD /*code*/, HWND /*control*/) { return Default(); }
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
    // After the last message; the object may delete itself here.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                         DWORD_PTR self);
    LRESULT Run(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Paint();
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Detach();

    struct Current {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    HWND hwnd_ = nullptr;
    bool subclassed_ = false; // an attached system control
    Current current_{};
};

} // namespace mervik::ui
