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

TEST(CRgnButton, ClicksOnlyWhenReleasedInsideItsShape) {
    RecordingParent parent;
    CRgnButton button;
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    // The mask covers the left 20 of the button's 40 pixels.
    ASSERT_TRUE(button.Create(RECT{10, 10, 50, 30}, parent.Hwnd(), HalfMask()));
    HWND hwnd = button.Hwnd();
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Rgn Button");

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(30, 5)); // outside the shape, inside the rectangle
    EXPECT_EQ(clicks, 0);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(200, 200));
    EXPECT_EQ(clicks, 0);

    // Whether a click is reported depends only on where the release lands.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(GetCapture(), hwnd);
    EXPECT_TRUE(parent.Take(WM_COMMAND).empty()) << "the parent is not the one told";
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

// A plain system button of `parent` at `rect`, for a tooltip to belong to.
HWND MakeChildButton(HWND parent, const RECT& rect) {
    return CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(ButtonTooltip, MadeAtTheFirstMoveWithTheLatestText) {
    RecordingParent parent;
    HWND control = MakeChildButton(parent.Hwnd(), RECT{0, 0, 40, 20});
    ButtonTooltip tip;
    tip.Set(control, "first", true);
    tip.Set(control, "Apply the changes", true);
    EXPECT_EQ(tip.Window(), nullptr) << "no window before the pointer comes";

    tip.OnMouseMove(control, 0, At(3, 3), 100);
    HWND window = tip.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TooltipText(window, control), "Apply the changes");

    tip.Set(control, "Send the changes", true);
    tip.OnMouseMove(control, 0, At(4, 3), 100);
    EXPECT_EQ(tip.Window(), window);
    EXPECT_EQ(TooltipText(window, control), "Send the changes");
    DestroyWindow(control);
}

// Where the system's tooltip code puts a tip (at the pointer, over the
// control), the tip goes beside the control instead: below it, or above it
// while the field being typed into lies below.
TEST(ButtonTooltip, ShowsBesideItsControlClearOfTheFieldBeingTyped) {
    RecordingParent parent;
    SetWindowPos(parent.Hwnd(), nullptr, 200, 200, 400, 300,
                 SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    HWND control = MakeChildButton(parent.Hwnd(), RECT{100, 100, 180, 124});
    ButtonTooltip tip;
    tip.Set(control, "Apply the changes", true);
    tip.OnMouseMove(control, 0, At(3, 3), 100);
    ASSERT_NE(tip.Window(), nullptr);
    RECT c{}, t{};
    GetWindowRect(control, &c);
    const auto showAtPointer = [&] {
        SetWindowPos(tip.Window(), HWND_TOPMOST, c.left + 3, c.top + 3, 120, 20,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        GetWindowRect(tip.Window(), &t);
    };
    showAtPointer();
    EXPECT_EQ(t.left, c.left);
    EXPECT_EQ(t.top, c.bottom + 2);

    HWND field = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 90, 126, 200, 40,
                                 parent.Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(parent.Hwnd());
    SetFocus(field);
    ASSERT_EQ(GetFocus(), field);
    showAtPointer();
    EXPECT_EQ(t.bottom, c.top - 2) << "the tip went over the field being typed into";
    ShowWindow(tip.Window(), SW_HIDE);
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
    HWND control = MakeChildButton(parent.Hwnd(), RECT{0, 0, 40, 20});
    ButtonTooltip tip;
    tip.Set(control, "", true);
    tip.OnMouseMove(control, 0, At(3, 3), 100);
    EXPECT_EQ(tip.Window(), nullptr);
    DestroyWindow(control);
}

TEST(CBitmapEdit, DigitsOnlyKeepsDigitsAndStillReports) {
    RecordingParent parent;
    CBitmapEdit edit;
    std::vector<std::string> reports;
    edit.onChange = [&] { reports.push_back("change " + edit.Text()); };
    edit.onEnter = [&] { reports.push_back("enter"); };
    ASSERT_TRUE(edit.Create(parent.Hwnd(), RECT{0, 0, 100, 20}));
    edit.SetDigitsOnly(true);
    SendMessageA(edit.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("12a3"));
    EXPECT_TRUE(reports.empty()) << "reported inside the change, not after it";
    FlushEvents();
    EXPECT_EQ(edit.Text(), "123");
    EXPECT_EQ(reports, std::vector<std::string>{"change 123"})
        << "the filter's rewrite is no change";

    edit.SetAllowSign(true);
    SetWindowTextA(edit.Hwnd(), "-4x+2");
    EXPECT_EQ(edit.Text(), "-4+2");
    SendMessageA(edit.Hwnd(), WM_KEYUP, VK_RETURN, 0);
    FlushEvents();
    EXPECT_EQ(reports, (std::vector<std::string>{"change 123", "change -4+2", "enter"}));
}

// The fire dialog captures the keyboard only while its key field has the
// focus, and learns of the focus from the fields.
TEST(CBitmapEdit, ReportsGettingAndLosingTheFocus) {
    RecordingParent parent;
    CBitmapEdit first, second;
    std::vector<HWND> focusedAtReport;
    ASSERT_TRUE(first.Create(parent.Hwnd(), RECT{0, 0, 100, 20}));
    ASSERT_TRUE(second.Create(parent.Hwnd(), RECT{0, 30, 100, 50}));
    first.onFocusChange = [&] { focusedAtReport.push_back(GetFocus()); };
    SetFocus(first.Hwnd());
    SetFocus(second.Hwnd());
    ASSERT_EQ(focusedAtReport.size(), 2u);
    EXPECT_EQ(focusedAtReport[0], first.Hwnd());
    EXPECT_TRUE(parent.Take(WM_COMMAND).empty()) << "the field's notices are its own";
}

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        thumbFile_ = test::WriteBmpFile("mervik_thumb.bmp", 10, 12, 0x808080);
        ASSERT_TRUE(slider_.Create(thumbFile_, RECT{50, 20, 150, 32}, parent_.Hwnd()));
        slider_.SetRange(1, 11);
        slider_.onChange = [this](int value) { values_.push_back(value); };
    }
    std::vector<int> Values() {
        FlushEvents();
        return std::exchange(values_, {});
    }
    int ThumbLeft() {
        RECT r;
        GetWindowRect(slider_.Thumb().Hwnd(), &r);
        MapWindowPoints(nullptr, slider_.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    }
    RecordingParent parent_;
    CclickHSlider slider_;
    std::string thumbFile_;
    std::vector<int> values_;
};

TEST_F(SliderTest, ClickAtTheEndsGivesMinimumAndMaximum) {
    SendMessageA(slider_.Hwnd(), WM_LBUTTONUP, 0, At(99, 5)); // the track's last pixel
    EXPECT_EQ(Values(), std::vector<int>{11});
    SendMessageA(slider_.Hwnd(), WM_LBUTTONUP, 0, At(0, 5));
    EXPECT_EQ(Values(), std::vector<int>{1});
    slider_.SetPosition(5);
    EXPECT_TRUE(Values().empty()) << "a value the program shows is no change";
}

TEST_F(SliderTest, SnappedThumbRestsOnTheStepItReported) {
    slider_.SetSnap(true);
    HWND thumb = slider_.Thumb().Hwnd();
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, At(2 + 37, 2));
    SendMessageA(thumb, WM_LBUTTONUP, 0, At(2, 2));
    // The thumb's values are the track's.
    auto values = Values();
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(ThumbLeft(), ThumbLeftForValue({1, 11, true}, values.back(), 100, 10));
}

// What a list tells its owner, each report under its own name.
class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}));
        list.onItemNamed = [this](int row) { Note("named", row); };
        list.onItemRenamed = [this](int row) { Note("renamed", row); };
        list.onValueEdited = [this](int row) { Note("value", row); };
        list.onSelect = [this] { Note("selected", list.Selection()); };
    }
    void Note(const std::string& what, int row) {
        // By the time a report comes, the editor is out of the way.
        reports.push_back(what + " " + std::to_string(row) + " " + list.Text(row));
    }
    // Types `text` into the open editor and ends it with `key`.
    void Type(const char* text, UINT key) {
        HWND editor = GetFocus();
        ASSERT_NE(editor, list.Hwnd()) << "no editor open";
        SetWindowTextA(editor, text);
        SendMessageA(editor, WM_KEYDOWN, key, 0);
        FlushEvents();
    }

    RecordingParent parent;
    CSkinListBox list;
    std::vector<std::string> reports;
};

TEST_F(ListTest, EscapeOnANewItemRemovesIt) {
    list.AddItem("first", 0);
    list.AddNewItem();
    EXPECT_EQ(list.Count(), 2);
    Type("Combo", VK_ESCAPE);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(reports.empty());
}

TEST_F(ListTest, ANewItemsNameAndAnItemsValueAreReportedWithTheirRows) {
    list.AddNewItem();
    Type("Combo", VK_RETURN);
    list.AddItem("20 ms", 7);
    list.EditValue(1, 5, true);
    Type("35", VK_RETURN);
    EXPECT_EQ(reports, (std::vector<std::string>{"named 0 Combo", "value 1 35"}));
    EXPECT_FALSE(list.Editing());
}

TEST_F(ListTest, EmptyRenameKeepsTheOldNameAndReportsNothing) {
    list.AddItem("Macro 1", 0);
    SendMessageA(list.Hwnd(), WM_LBUTTONDBLCLK, 0, At(10, 3));
    Type("", VK_RETURN);
    EXPECT_EQ(list.Text(0), "Macro 1");
    SendMessageA(list.Hwnd(), WM_LBUTTONDBLCLK, 0, At(10, 3));
    Type("Macro 2", VK_RETURN);
    EXPECT_EQ(reports, std::vector<std::string>{"renamed 0 Macro 2"});
}

TEST_F(ListTest, AClickOnAnotherItemReportsTheSelection) {
    list.AddItem("first", 0);
    list.AddItem("second", 0);
    SendMessageA(list.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 16 + 3));
    SendMessageA(list.Hwnd(), WM_LBUTTONUP, 0, At(10, 16 + 3));
    ASSERT_FALSE(reports.empty()); // the press and the release may both report it
    for (const std::string& report : reports)
        EXPECT_EQ(report, "selected 1 second");
    const size_t clicked = reports.size();
    list.Select(0);
    EXPECT_EQ(reports.size(), clicked) << "a selection the program makes is not reported";
}

TEST_F(ListTest, AMenuByKeyOpensBelowTheSelectedItemAndByMouseAtThePointer) {
    std::vector<POINT> points;
    list.onRightClick = [&](POINT at) { points.push_back(at); };
    list.AddItem("first", 0);
    list.AddItem("second", 0);
    list.Select(1);
    RECT item{};
    SendMessageA(list.Hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT below{item.left, item.bottom};
    ClientToScreen(list.Hwnd(), &below);
    SendMessageA(list.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Hwnd()), -1);
    SendMessageA(list.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Hwnd()),
                 MAKELPARAM(300, 200));
    FlushEvents();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, below.x);
    EXPECT_EQ(points[0].y, below.y);
    EXPECT_EQ(points[1].x, 300);
    EXPECT_EQ(points[1].y, 200);
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
    ASSERT_TRUE(list.Create(parent.Hwnd(), RECT{0, 0, 200, 150}));
    list.AddNewItem();
    MSG toEditor{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(SwallowsDialogKey(parent.Hwnd(), toEditor));
}

// A double-click on an owner-drawn button is one click and one double-click:
// an owner that acts on clicks only runs its command once, as the main
// window does, and a profile button renames on the double-click.
TEST(CSkinButton, ADoubleClickIsOneClickAndOneDoubleClick) {
    RecordingParent parent;
    CSkinButton button;
    int clicks = 0, doubles = 0;
    button.onClick = [&] { ++clicks; };
    button.onDoubleClick = [&] { ++doubles; };
    ASSERT_TRUE(button.Create(parent.Hwnd(), RECT{0, 0, 20, 20}));
    HWND hwnd = button.Hwnd();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(5, 5));
    FlushEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_TRUE(parent.Take(WM_COMMAND).empty()) << "the parent is not the one told";
}

// A toggle runs its own click: it has flipped when the click is reported,
// and a release outside it changes nothing.
TEST(CSkinButton, AToggleReportsItsClickAfterFlipping) {
    RecordingParent parent;
    CSkinButton button;
    std::vector<bool> pressedAtClick;
    button.onClick = [&] { pressedAtClick.push_back(button.Pressed()); };
    ASSERT_TRUE(button.Create(parent.Hwnd(), RECT{0, 0, 20, 20}));
    button.SetToggle(true);
    SendMessageA(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(button.Hwnd(), WM_LBUTTONUP, 0, At(5, 5));
    SendMessageA(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(button.Hwnd(), WM_LBUTTONUP, 0, At(50, 50));
    EXPECT_EQ(pressedAtClick, std::vector<bool>{true});
    EXPECT_TRUE(button.Pressed());
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
