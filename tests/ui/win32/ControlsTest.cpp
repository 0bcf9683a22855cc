#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include "tests/ui/win32/TestWindows.h"

#include "ui/core/SliderMath.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/controls/CRgnButton.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/CSkinListBox.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/controls/CclickHSlider.h"
#include "ui/win32/controls/ControlMessages.h"
#include "ui/win32/controls/CoolMenuHook.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {
namespace {

using test::FlushEvents;
using test::RecordingParent;

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

// A mask whose left half is black: the button's shape is that half.
std::string HalfMask() {
    static const std::string path = test::WriteBmpFile(
        "mervik_half_mask.bmp", 40, 20, [](int x, int) { return x < 20 ? 0u : 0xFFFFFFu; });
    return path;
}

TEST(CRgnButton, CommandsOnlyWhenReleasedInsideItsShape) {
    RecordingParent parent;
    CRgnButton button;
    // The mask covers the left 20 of the button's 40 pixels.
    ASSERT_TRUE(button.Create(RECT{10, 10, 50, 30}, parent.Hwnd(), HalfMask()));
    HWND hwnd = button.Hwnd();
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Rgn Button");

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(30, 5)); // outside the shape, inside the rectangle
    EXPECT_TRUE(parent.Take(WM_COMMAND).empty());
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(200, 200));
    EXPECT_TRUE(parent.Take(WM_COMMAND).empty());

    // Whether a command goes out depends only on where the release lands.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    auto commands = parent.Take(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lp), hwnd);
    EXPECT_EQ(LOWORD(commands[0].wp), 0);
    EXPECT_NE(GetCapture(), hwnd);
}

TEST(CRgnButton, ToggleFlipsOnlyAfterAPressInside) {
    RecordingParent parent;
    CRgnButton button;
    ASSERT_TRUE(button.Create(RECT{0, 0, 40, 20}, parent.Hwnd(), HalfMask()));
    button.SetToggle(true);
    SendMessageA(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(button.Hwnd(), WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(button.Checked());
    SendMessageA(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(30, 5)); // outside: no press
    SendMessageA(button.Hwnd(), WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(button.Checked());
}

std::string TooltipText(HWND tooltip, HWND control) {
    char text[128] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(ButtonTooltip, MadeAtTheFirstMoveWithTheLatestText) {
    RecordingParent parent;
    HWND control = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                   parent.Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ButtonTooltip tip;
    tip.Set(control, "first", true);
    tip.Set(control, "Apply the changes", true);
    EXPECT_EQ(tip.Window(), nullptr) << "no window before the pointer comes";

    tip.OnMouseMove(control, 0, At(3, 3));
    HWND window = tip.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TooltipText(window, control), "Apply the changes");

    tip.Set(control, "Send the changes", true);
    tip.OnMouseMove(control, 0, At(4, 3));
    EXPECT_EQ(tip.Window(), window);
    EXPECT_EQ(TooltipText(window, control), "Send the changes");
    DestroyWindow(control);
}

TEST(CRgnButton, ShowsItsSkinTooltipAtTheFirstHover) {
    RecordingParent parent;
    CRgnButton button;
    ASSERT_TRUE(button.Create(RECT{0, 0, 40, 20}, parent.Hwnd(), HalfMask()));
    button.SetTooltip("Save and send the changes");
    EXPECT_EQ(button.TooltipWindow(), nullptr);
    SendMessageA(button.Hwnd(), WM_MOUSEMOVE, 0, At(5, 5));
    ASSERT_NE(button.TooltipWindow(), nullptr);
    EXPECT_EQ(TooltipText(button.TooltipWindow(), button.Hwnd()), "Save and send the changes");
}

TEST(ButtonTooltip, NoTextNoWindow) {
    RecordingParent parent;
    HWND control = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                   parent.Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ButtonTooltip tip;
    tip.Set(control, "", true);
    tip.OnMouseMove(control, 0, At(3, 3));
    EXPECT_EQ(tip.Window(), nullptr);
    DestroyWindow(control);
}

TEST(CBitmapEdit, DigitsOnlyKeepsDigitsAndStillNotifies) {
    RecordingParent parent;
    CBitmapEdit edit;
    ASSERT_TRUE(edit.Create(parent.Hwnd(), RECT{0, 0, 100, 20}));
    edit.SetDigitsOnly(true);
    SendMessageA(edit.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("12a3"));
    char text[32] = {};
    GetWindowTextA(edit.Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "123");
    EXPECT_FALSE(parent.Take(EditChangedMessage()).empty());

    edit.SetAllowSign(true);
    SetWindowTextA(edit.Hwnd(), "-4x+2");
    GetWindowTextA(edit.Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "-4+2");

    SendMessageA(edit.Hwnd(), WM_KEYUP, VK_RETURN, 0);
    auto enter = parent.Take(kMsgEditEnter);
    ASSERT_EQ(enter.size(), 1u);
    EXPECT_EQ(enter[0].wp, 13u);
}

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        thumbFile_ = test::WriteBmpFile("mervik_thumb.bmp", 10, 12, 0x808080);
        ASSERT_TRUE(slider_.Create(thumbFile_, RECT{50, 20, 150, 32}, parent_.Hwnd(), 77));
        slider_.SetRange(1, 11);
    }
    std::vector<test::Received> Values() { return parent_.Take(kMsgSliderValue); }
    int ThumbLeft() {
        RECT r;
        GetWindowRect(slider_.Thumb().Hwnd(), &r);
        MapWindowPoints(nullptr, slider_.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    }
    RecordingParent parent_;
    CclickHSlider slider_;
    std::string thumbFile_;
};

TEST_F(SliderTest, ClickAtTheEndsGivesMinimumAndMaximum) {
    SendMessageA(slider_.Hwnd(), WM_LBUTTONUP, 0, At(99, 5)); // the track's last pixel
    auto right = Values();
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].wp, 11u);
    EXPECT_EQ(right[0].lp, 77);
    SendMessageA(slider_.Hwnd(), WM_LBUTTONUP, 0, At(0, 5));
    auto left = Values();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].wp, 1u);
}

TEST_F(SliderTest, SnappedThumbRestsOnTheStepItReported) {
    slider_.SetSnap(true);
    HWND thumb = slider_.Thumb().Hwnd();
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, At(2 + 37, 2));
    SendMessageA(thumb, WM_LBUTTONUP, 0, At(2, 2));
    auto values = Values();
    ASSERT_FALSE(values.empty());
    int reported = static_cast<int>(values.back().wp);
    EXPECT_EQ(ThumbLeft(), ThumbLeftForValue({1, 11, true}, reported, 100, 10));
    EXPECT_EQ(values.back().lp, 77); // forwarded by the track unchanged
}

TEST(CSkinListBox, EscapeOnANewItemRemovesIt) {
    RecordingParent parent;
    CSkinListBox list;
    ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}, 5));
    list.AddItem("first", 0);
    list.AddNewItem();
    HWND editor = GetFocus();
    ASSERT_NE(editor, list.Hwnd());
    EXPECT_EQ(SendMessageA(list.Hwnd(), LB_GETCOUNT, 0, 0), 2);
    SendMessageA(editor, WM_KEYDOWN, VK_ESCAPE, 0);
    FlushEvents();
    EXPECT_EQ(SendMessageA(list.Hwnd(), LB_GETCOUNT, 0, 0), 1);
    EXPECT_TRUE(parent.Take(kMsgListItemAdded).empty());
}

TEST(CSkinListBox, NamingANewItemPostsItsIndex) {
    RecordingParent parent;
    CSkinListBox list;
    ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}, 5));
    list.AddNewItem();
    HWND editor = GetFocus();
    SetWindowTextA(editor, "Combo");
    SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
    auto added = parent.Take(kMsgListItemAdded);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].wp, 0u);
    EXPECT_EQ(added[0].lp, 5);
    char text[32] = {};
    SendMessageA(list.Hwnd(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Combo");
}

TEST(CSkinListBox, EmptyRenameKeepsTheOldNameAndPostsNothing) {
    RecordingParent parent;
    CSkinListBox list;
    ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}, 5));
    list.AddItem("Macro 1", 0);
    SendMessageA(list.Hwnd(), WM_LBUTTONDBLCLK, 0, At(10, 3));
    HWND editor = GetFocus();
    ASSERT_NE(editor, list.Hwnd());
    SetWindowTextA(editor, "");
    SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(parent.Take(kMsgListItemRenamed).empty());
    char text[32] = {};
    SendMessageA(list.Hwnd(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Macro 1");
}

TEST(SkinnedDialog, EnterAndEscapeAreSwallowedUnlessAnEditorWantsThem) {
    RecordingParent parent;
    MSG enter{parent.Hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG escape{parent.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    MSG letter{parent.Hwnd(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(SwallowsDialogKey(parent.Hwnd(), enter));
    EXPECT_TRUE(SwallowsDialogKey(parent.Hwnd(), escape));
    EXPECT_FALSE(SwallowsDialogKey(parent.Hwnd(), letter));

    CSkinListBox list;
    ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}, 1));
    list.AddNewItem();
    MSG toEditor{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(SwallowsDialogKey(parent.Hwnd(), toEditor));
}

// A double-click on an owner-drawn button is one click and one
// BN_DOUBLECLICKED: a parent that acts on BN_CLICKED only runs its command
// once, as the main window does.
TEST(CSkinButton, ADoubleClickIsOneClickAndOneDoubleClickNotice) {
    RecordingParent parent;
    CSkinButton button;
    ASSERT_TRUE(button.Create(parent.Hwnd(), RECT{0, 0, 20, 20}));
    HWND hwnd = button.Hwnd();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    FlushEvents();
    int clicks = 0, doubles = 0;
    for (const auto& command : parent.Take(WM_COMMAND)) {
        clicks += HIWORD(command.wp) == BN_CLICKED;
        doubles += HIWORD(command.wp) == BN_DOUBLECLICKED;
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST(CSkinButton, ItsWindowTextIsItsCaption) {
    RecordingParent parent;
    CSkinButton button;
    ASSERT_TRUE(button.Create(parent.Hwnd(), RECT{0, 0, 20, 20}));
    button.SetCaption("Shift+Alt+F5");
    char text[64] = {};
    EXPECT_EQ(GetWindowTextLengthA(button.Hwnd()), 12);
    EXPECT_EQ(GetWindowTextA(button.Hwnd(), text, sizeof text), 12);
    EXPECT_STREQ(text, "Shift+Alt+F5");
    // A short buffer gets what fits, terminated.
    EXPECT_EQ(SendMessageA(button.Hwnd(), WM_GETTEXT, 6, reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "Shift");
    wchar_t wide[64] = {};
    SendMessageW(button.Hwnd(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(wide));
    EXPECT_STREQ(wide, L"Shift+Alt+F5");
    button.SetCaption("");
    EXPECT_EQ(GetWindowTextLengthA(button.Hwnd()), 0);
}

TEST(CWindow, FoundFromItsWindowOnlyWhileThatWindowIsItsOwn) {
    RecordingParent parent;
    CSkinButton first, second;
    ASSERT_TRUE(first.Create(parent.Hwnd(), RECT{0, 0, 20, 20}));
    ASSERT_TRUE(second.Create(parent.Hwnd(), RECT{20, 0, 40, 20}));
    HWND firstWindow = first.Hwnd(), secondWindow = second.Hwnd();
    EXPECT_EQ(CWindow::FromHandle(firstWindow), &first);
    EXPECT_EQ(CWindow::FromHandle(secondWindow), &second);
    EXPECT_EQ(CWindow::FromHandle(parent.Hwnd()), nullptr);

    first.Destroy();
    EXPECT_EQ(CWindow::FromHandle(firstWindow), nullptr);
    // Destroyed from outside, the window still lets go of its object.
    DestroyWindow(secondWindow);
    EXPECT_EQ(second.Hwnd(), nullptr);
    EXPECT_EQ(CWindow::FromHandle(secondWindow), nullptr);
}

// The least window of ours: whatever it is not given goes to the base.
class PlainWindow : public CWindow {
public:
    bool Make() {
        return RegisterWindowClass("MervikTestPlain", 0, nullptr) &&
               Create(0, "MervikTestPlain", "", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
    }
};

// The system destroys a submenu with its parent: the parent owns it from the
// moment it is appended, and no one else ever destroys it.
TEST(CSkinMenu, ASubmenuLivesExactlyAsLongAsItsParent) {
    CSkinMenu parent(100);
    HMENU child = nullptr;
    {
        CSkinMenu submenu(80);
        ASSERT_TRUE(submenu.AppendItem(5, "five"));
        child = submenu.Handle();
        ASSERT_TRUE(parent.AppendSubmenu("sub", std::move(submenu)));
    }
    EXPECT_TRUE(IsMenu(child)) << "destroyed while its parent still holds it";
    EXPECT_EQ(GetSubMenu(parent.Handle(), 0), child);

    HMENU top = nullptr;
    {
        CSkinMenu whole(std::move(parent));
        top = whole.Handle();
        EXPECT_EQ(parent.Handle(), nullptr);
    }
    EXPECT_FALSE(IsMenu(top));
    EXPECT_FALSE(IsMenu(child)) << "the parent took its submenu along";
}

TEST(CSkinMenu, AModelGivesItsLevelsAndTheirTextsAndMovesWithThem) {
    const MenuModel model = {
        {7, 10, {}},
        {0, 11, {{2, 12, {}}, {0, 13, {{3, 14, {}}}}}},
    };
    const TextLookup text = [](int id) { return std::to_string(id); };
    HMENU sub = nullptr;
    HMENU subsub = nullptr;
    {
        CSkinMenu built(model, 90, text);
        CSkinMenu menu(std::move(built));
        ASSERT_EQ(GetMenuItemCount(menu.Handle()), 2);
        EXPECT_EQ(GetMenuItemID(menu.Handle(), 0), 7u);
        sub = GetSubMenu(menu.Handle(), 1);
        ASSERT_NE(sub, nullptr);
        ASSERT_EQ(GetMenuItemCount(sub), 2);
        EXPECT_EQ(GetMenuItemID(sub, 0), 2u);
        subsub = GetSubMenu(sub, 1);
        ASSERT_NE(subsub, nullptr);
        EXPECT_EQ(GetMenuItemID(subsub, 0), 3u);

        // The window the menu is shown for hands the item its measuring; the
        // item's data still leads to the menu that measures it, after the move.
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoA(menu.Handle(), 0, TRUE, &info));
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = 7;
        measure.itemData = info.dwItemData;
        const int heightBefore = menu.Layout().totalHeight;
        PlainWindow window;
        ASSERT_TRUE(window.Make());
        EXPECT_EQ(
            SendMessageA(window.Hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
            TRUE);
        EXPECT_EQ(measure.itemWidth, 90u);
        EXPECT_GT(menu.Layout().totalHeight, heightBefore);
    }
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_FALSE(IsMenu(subsub));
}

TEST(CoolMenuHook, MenuWindowsAreHookedUntilHidden) {
    ASSERT_TRUE(CoolMenuHook::Install());
    HWND menu = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(GetPropA(menu, kMenuOldProcProperty), nullptr);
    EXPECT_EQ(CoolMenuHook::HookedCount(), 1);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(GetPropA(plain, kMenuOldProcProperty), nullptr);
    EXPECT_EQ(CoolMenuHook::HookedCount(), 1);
    DestroyWindow(plain);
    SendMessageA(menu, WM_SHOWWINDOW, FALSE, 0);
    EXPECT_EQ(GetPropA(menu, kMenuOldProcProperty), nullptr);
    EXPECT_EQ(CoolMenuHook::HookedCount(), 0);

    HWND other = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(CoolMenuHook::HookedCount(), 1);
    CoolMenuHook::Uninstall();
    EXPECT_EQ(GetPropA(other, kMenuOldProcProperty), nullptr);
    DestroyWindow(menu);
    DestroyWindow(other);
}

// The frame procedure finds a menu's own procedure in the process's table,
// not in the property: a menu whose property someone else removed is still
// framed, forwarded and given its procedure back.
TEST(CoolMenuHook, HookedMenusNeedNoPropertyToRunOrLetGo) {
    ASSERT_TRUE(CoolMenuHook::Install());
    HWND menu = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(menu, nullptr);
    const LONG_PTR own = GetClassLongPtrA(menu, GCLP_WNDPROC);
    EXPECT_NE(GetWindowLongPtrA(menu, GWLP_WNDPROC), own);
    RemovePropA(menu, kMenuOldProcProperty);

    SetWindowTextA(menu, "forwarded");
    char text[16] = {};
    GetWindowTextA(menu, text, sizeof text);
    EXPECT_STREQ(text, "forwarded");
    SendMessageA(menu, WM_SHOWWINDOW, FALSE, 0);
    EXPECT_EQ(CoolMenuHook::HookedCount(), 0);
    EXPECT_EQ(GetWindowLongPtrA(menu, GWLP_WNDPROC), own);
    CoolMenuHook::Uninstall();
    DestroyWindow(menu);
}

} // namespace
} // namespace mervik::ui
