#pragma once
// The one binding of a window to the object that runs it, for every window of
// ours: a class registered once whose procedure finds the object, a system
// control made from a class of ours in front of it or taken over with a
// comctl32 subclass, and the object let go of with the window's last message.
// Each message goes to one virtual procedure whose default is the window's
// default procedure (the system control's own for a control). It lives in the
// module that links it (a program or a DLL): the classes are that module's and
// its trace lines name it.
#include <windows.h>

#include <deque>
#include <functional>

namespace mervik::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window if it still exists.
    virtual ~Window();

    HWND Hwnd() const { return hwnd_; }
    // The object that runs `hwnd`; null for a window that is not one of ours.
    static Window* FromHandle(HWND hwnd);

    void Destroy();

    // Runs `call` from the window's queue, after the message being handled
    // and everything queued before it; a window destroyed first drops it.
    // For the window's own thread. False when it could not be queued.
    bool Post(std::function<void()> call);

protected:
    // Registers a Unicode class whose procedure is ours; once per name. Our
    // windows are Unicode, so texts reach them and leave them whole in any
    // code page (a Chinese title on a Western system).
    static bool RegisterWindowClass(const char* name, UINT style, HCURSOR cursor);
    // `title` is in the system's code page, as the captions peers look for
    // with FindWindowA are.
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style,
                const RECT& rect, HWND parent);
    // A message-only window of a Unicode class of ours, registered here when
    // needed: the system hands such a window its text as UTF-16.
    bool CreateMessageOnly(const wchar_t* className);
    // A DLL unregisters its classes before it can be unloaded: a class left
    // behind would keep a procedure at an address the next load may not use.
    static void UnregisterWindowClass(const wchar_t* className);
    // A child made from `className`, a class of ours registered here the first
    // time: the system control `systemClass` (as this program's manifest
    // gives it) with our procedure in front. Its procedure is the default for
    // everything not handled here. Made so, the control needs no subclass,
    // whose data comctl32 looks up as a window property on every message: a
    // round trip to the window server under Wine, for each of the many
    // buttons of a page.
    bool CreateControl(const wchar_t* systemClass, const wchar_t* className, DWORD style,
                       const RECT& rect, HWND parent);
    // Takes over a window created from a system class, keeping its procedure
    // as the default for everything not handled here. It is a comctl32
    // subclass, so it stacks with the others a window may get (a tooltip's).
    bool Attach(HWND hwnd);

    // The default procedure for the message being handled right now.
    LRESULT Default();

    // Every message of the window.
    virtual LRESULT WindowProcedure(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/) {
        return Default();
    }
    // After the last message; the object may delete itself here.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                         DWORD_PTR self);
    LRESULT Run(UINT msg, WPARAM wp, LPARAM lp);
    void RunPostedCall();
    void Detach();

    struct Current {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    HWND hwnd_ = nullptr;
    bool subclassed_ = false;       // an attached system control
    WNDPROC controlProc_ = nullptr; // the system control's procedure, for a made control
    bool unicode_ = false;          // of a Unicode class: its default procedure is the wide one
    Current current_{};
    std::deque<std::function<void()>> posted_;
};

} // namespace mervik::win
