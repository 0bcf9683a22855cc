#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/ui/win32/TestWindows.h"
#include "win32/Window.h"

namespace mervik::win {
namespace {

constexpr UINT kMark = WM_APP + 7;
constexpr char kQueueClass[] = "MervikTestQueue";

// A window that writes down the marks posted to it and the calls it runs.
class QueueWindow : public Window {
public:
    bool Make() {
        return RegisterWindowClass(kQueueClass, 0, nullptr) &&
               Create(0, kQueueClass, "", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
    }
    void PostMark(int n) { PostMessageA(Hwnd(), kMark, static_cast<WPARAM>(n), 0); }
    void PostNote(const std::string& note) {
        Post([this, note] { seen.push_back(note); });
    }
    std::vector<std::string> seen;

protected:
    LRESULT WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg != kMark)
            return Window::WindowProcedure(msg, wp, lp);
        seen.push_back("mark " + std::to_string(wp));
        return 0;
    }
};

TEST(WindowBase, APostedCallRunsInItsPlaceInTheQueue) {
    QueueWindow window;
    ASSERT_TRUE(window.Make());
    window.PostMark(1);
    window.PostNote("first call");
    window.PostMark(2);
    // A call posted by a call waits for what was queued meanwhile.
    window.Post([&] {
        window.seen.push_back("second call");
        window.PostNote("posted by the second");
    });
    window.PostMark(3);
    EXPECT_TRUE(window.seen.empty()) << "ran before its turn";
    ui::test::FlushEvents();
    EXPECT_EQ(window.seen,
              (std::vector<std::string>{"mark 1", "first call", "mark 2", "second call", "mark 3",
                                        "posted by the second"}));
}

TEST(WindowBase, ACallPostedToAWindowThatGoesIsDropped) {
    QueueWindow window;
    ASSERT_TRUE(window.Make());
    window.PostNote("stale");
    window.Destroy();
    EXPECT_FALSE(window.Post([] {})) << "no window, no queue";
    // The same object with a new window runs only what it was given since.
    ASSERT_TRUE(window.Make());
    window.PostNote("fresh");
    ui::test::FlushEvents();
    EXPECT_EQ(window.seen, std::vector<std::string>{"fresh"});
}

constexpr wchar_t kWideClass[] = L"MervikTestMessageOnly";

class MessageOnlyWindow : public Window {
public:
    bool Make() { return CreateMessageOnly(kWideClass); }
    static void Unregister() { UnregisterWindowClass(kWideClass); }
};

// The HID library's window is told device paths as UTF-16: its default
// procedure must be the wide one, or text would pass through the code page.
TEST(WindowBase, AMessageOnlyWindowIsWideAndItsClassCanGoWithIt) {
    MessageOnlyWindow window;
    ASSERT_TRUE(window.Make());
    EXPECT_TRUE(IsWindowUnicode(window.Hwnd()));
    EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, kWideClass, nullptr), window.Hwnd());
    EXPECT_EQ(Window::FromHandle(window.Hwnd()), &window);
    const std::wstring text = L"\\\\?\\hid#\x263A\x4E2D";
    SendMessageW(window.Hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    wchar_t back[32] = {};
    SendMessageW(window.Hwnd(), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(back));
    EXPECT_EQ(std::wstring(back), text);

    window.Destroy();
    MessageOnlyWindow::Unregister();
    WNDCLASSW info;
    EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), kWideClass, &info));
    ASSERT_TRUE(window.Make()) << "registered again for the next window";
    window.Destroy();
    MessageOnlyWindow::Unregister();
}

// A window of the base that counts one message reaching the object, then
// leaves it to the window's default procedure.
class CountingWindow : public Window {
public:
    explicit CountingWindow(UINT counted) : counted_(counted) {}
    int count = 0;

protected:
    LRESULT WindowProcedure(UINT msg, WPARAM, LPARAM) override {
        if (msg == counted_)
            ++count;
        return Default();
    }

private:
    UINT counted_;
};

// A system control taken over by the base.
class TakenEdit : public CountingWindow {
public:
    TakenEdit() : CountingWindow(WM_SETTEXT) {}
    bool Take(HWND edit) { return Attach(edit); }
};

LRESULT CALLBACK CountingSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                  DWORD_PTR counts) {
    auto* seen = reinterpret_cast<std::vector<UINT>*>(counts);
    if (msg == WM_SETTEXT || msg == WM_NCDESTROY)
        seen->push_back(msg);
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, CountingSubclass, 7);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// The base subclasses a system control the way comctl32 does, so a tooltip's
// subclass (added before or after) and the control's own procedure all keep
// their place in the chain, up to the control's end.
TEST(WindowBase, ATakenControlSharesItsChainWithOtherSubclasses) {
    for (bool oursFirst : {true, false}) {
        SCOPED_TRACE(oursFirst);
        ui::test::RecordingParent parent;
        HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent.Hwnd(), nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit, nullptr);
        std::vector<UINT> seen;
        auto taken = std::make_unique<TakenEdit>();
        if (oursFirst) {
            ASSERT_TRUE(taken->Take(edit));
        }
        ASSERT_TRUE(
            SetWindowSubclass(edit, CountingSubclass, 7, reinterpret_cast<DWORD_PTR>(&seen)));
        if (!oursFirst) {
            ASSERT_TRUE(taken->Take(edit));
        }

        SetWindowTextA(edit, "abc");
        char text[8] = {};
        GetWindowTextA(edit, text, sizeof text);
        EXPECT_STREQ(text, "abc") << "the control's own procedure still answers";
        EXPECT_EQ(taken->count, 1) << "the object saw the text";
        EXPECT_EQ(seen, std::vector<UINT>{WM_SETTEXT});

        taken.reset(); // destroys the control
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_EQ(seen, (std::vector<UINT>{WM_SETTEXT, WM_NCDESTROY}));
    }
}

// A check box made from a class of ours, counting the clicks that reach the
// object before the system button's own procedure.
class MadeCheckBox : public CountingWindow {
public:
    MadeCheckBox() : CountingWindow(WM_LBUTTONUP) {}
    bool Make(HWND parent) {
        return CreateControl(L"BUTTON", L"Mervik Test Check Box",
                             WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, RECT{0, 0, 60, 20}, parent);
    }
};

// A made control is ours from its first message to its last, under the name
// of our class, and the system control behind it does all it would alone.
TEST(WindowBase, AMadeControlRunsTheSystemControlBehindIt) {
    ui::test::RecordingParent parent;
    MadeCheckBox box;
    ASSERT_TRUE(box.Make(parent.Hwnd()));
    const HWND hwnd = box.Hwnd();
    EXPECT_EQ(Window::FromHandle(hwnd), &box);
    EXPECT_TRUE(IsWindowUnicode(hwnd));
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    EXPECT_EQ(std::wstring(name), L"Mervik Test Check Box");
    EXPECT_EQ(SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON, DLGC_BUTTON);

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(box.count, 1);
    EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED) << "the button checked itself";
    SetWindowTextW(hwnd, L"\x4E2D\x263A");
    wchar_t text[8] = {};
    GetWindowTextW(hwnd, text, 8);
    EXPECT_EQ(std::wstring(text), L"\x4E2D\x263A");

    MadeCheckBox second; // the class is registered once
    ASSERT_TRUE(second.Make(parent.Hwnd()));
    box.Destroy();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(Window::FromHandle(hwnd), nullptr);
    EXPECT_EQ(box.Hwnd(), nullptr);
}

} // namespace
} // namespace mervik::win
