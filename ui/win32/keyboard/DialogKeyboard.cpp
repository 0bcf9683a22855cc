#include "ui/win32/keyboard/DialogKeyboard.h"

#include <algorithm>
#include <iterator>

#include "ui/core/TabOrder.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/keyboard/KeyboardControl.h"
#include "ui/win32/keyboard/KeyboardCues.h"

namespace mervik::ui {
namespace {

bool Within(HWND dialog, HWND window) {
    return window && (window == dialog || IsChild(dialog, window));
}

// Shown, enabled and of some size: a page keeps controls of no size for
// slots the mouse does not have.
bool Reachable(HWND window) {
    RECT rect{};
    return IsWindowVisible(window) && IsWindowEnabled(window) && GetWindowRect(window, &rect) &&
           !IsRectEmpty(&rect);
}

PixelRect PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

std::vector<PixelRect> PlacesOf(const std::vector<HWND>& windows) {
    std::vector<PixelRect> places;
    places.reserve(windows.size());
    for (HWND window : windows)
        places.push_back(PlaceOf(window));
    return places;
}

KeyboardControl* ControlOf(HWND window) {
    return dynamic_cast<KeyboardControl*>(CWindow::FromHandle(window));
}

bool IsClass(HWND window, const char* name) {
    char found[32] = {};
    GetClassNameA(window, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

FocusKind KindOf(HWND focus) {
    if (KeyboardControl* control = ControlOf(focus))
        return control->KeyboardKind();
    // The system's own fields and lists take their keys.
    if (IsClass(focus, "Edit") || IsClass(focus, "ListBox"))
        return FocusKind::Field;
    return FocusKind::None;
}

// The group `focus` is in, as its parent window says, with only the members
// that can take the focus now.
std::vector<HWND> GroupOf(HWND focus) {
    auto* owner = dynamic_cast<ArrowGroupOwner*>(CWindow::FromHandle(GetParent(focus)));
    if (!owner)
        return {};
    for (const std::vector<HWND>& group : owner->ArrowGroups()) {
        if (std::find(group.begin(), group.end(), focus) == group.end())
            continue;
        std::vector<HWND> reachable;
        std::copy_if(group.begin(), group.end(), std::back_inserter(reachable),
                     [&](HWND member) { return member == focus || Reachable(member); });
        return reachable;
    }
    return {};
}

DialogKey KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_TAB:
        return DialogKey::Tab;
    case VK_RETURN:
        return DialogKey::Enter;
    case VK_SPACE:
        return DialogKey::Space;
    case VK_ESCAPE:
        return DialogKey::Escape;
    case VK_LEFT:
        return DialogKey::Left;
    case VK_RIGHT:
        return DialogKey::Right;
    case VK_UP:
        return DialogKey::Up;
    case VK_DOWN:
        return DialogKey::Down;
    case VK_F4:
        return DialogKey::F4;
    default:
        return DialogKey::Other;
    }
}

bool Held(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// Where the focus goes, the way a dialog box does it: a field's text is
// selected, so typing replaces it.
void Focus(HWND dialog, HWND target) {
    SetFocus(target);
    if (IsClass(target, "Edit"))
        SendMessageA(target, EM_SETSEL, 0, -1);
    ShowFocusRing(dialog);
}

void MoveAlong(HWND dialog, const std::vector<HWND>& windows, HWND from, bool backwards) {
    const auto at = std::find(windows.begin(), windows.end(), from);
    const int current = at == windows.end() ? -1 : static_cast<int>(at - windows.begin());
    const int next = NextInReadingOrder(PlacesOf(windows), current, backwards);
    if (next >= 0)
        Focus(dialog, windows[static_cast<size_t>(next)]);
}

// A control inside a tab stop (the edit of a number field's frame) counts as
// that stop.
HWND StopHolding(const std::vector<HWND>& stops, HWND focus) {
    for (HWND window = focus; window; window = GetParent(window))
        if (std::find(stops.begin(), stops.end(), window) != stops.end())
            return window;
    return focus;
}

void PressAccessKey(HWND dialog, int character) {
    struct Search {
        int character;
        HWND found;
    } search{character, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND window, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            KeyboardControl* control = ControlOf(window);
            if (!control || !Reachable(window))
                return TRUE;
            const std::optional<AccessKey> key = control->KeyboardAccessKey();
            if (key && MatchesAccessKey(*key, s->character)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    Focus(dialog, search.found);
    if (KeyboardControl* control = ControlOf(search.found))
        control->PressByKeyboard();
}

bool IsKeyLetter(WPARAM key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

bool HandleKeyDown(HWND dialog, const MSG& msg, const DialogKeyboardOptions& options) {
    // With no control focused (one just disabled) every key comes as a
    // system key: Alt is what is held, not the message's kind.
    const KeyStroke stroke{KeyOf(msg.wParam), Held(VK_SHIFT), Held(VK_CONTROL), Held(VK_MENU)};
    HWND focus = GetFocus();
    if (!Within(dialog, focus))
        focus = nullptr;
    FocusFacts facts;
    if (focus) {
        facts.kind = KindOf(focus);
        facts.inGroup = GroupOf(focus).size() > 1;
    }
    switch (ActionForKey(stroke, facts, options.escapeCancels)) {
    case KeyAction::Pass:
        return false;
    case KeyAction::Swallow:
        return true;
    case KeyAction::NextControl:
    case KeyAction::PreviousControl:
        MoveFocus(dialog, stroke.shift);
        return true;
    case KeyAction::Press:
        if (KeyboardControl* control = ControlOf(focus))
            control->PressByKeyboard();
        return true;
    case KeyAction::GroupPrevious:
    case KeyAction::GroupNext: {
        const std::vector<HWND> group = GroupOf(focus);
        const auto at = std::find(group.begin(), group.end(), focus);
        const int next = ArrowTarget(PlacesOf(group), static_cast<int>(at - group.begin()),
                                     stroke.key == DialogKey::Left    ? ArrowKey::Left
                                     : stroke.key == DialogKey::Up    ? ArrowKey::Up
                                     : stroke.key == DialogKey::Right ? ArrowKey::Right
                                                                      : ArrowKey::Down);
        if (next >= 0)
            Focus(dialog, group[static_cast<size_t>(next)]);
        return true;
    }
    case KeyAction::Cancel:
        if (options.cancel)
            options.cancel();
        return true;
    }
    return false;
}

} // namespace

void MoveFocus(HWND dialog, bool backwards) {
    const std::vector<HWND> stops = TabStops(dialog);
    HWND focus = GetFocus();
    MoveAlong(dialog, stops, Within(dialog, focus) ? StopHolding(stops, focus) : nullptr,
              backwards);
}

std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> stops;
    EnumChildWindows(
        dialog,
        [](HWND window, LPARAM lp) -> BOOL {
            if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_TABSTOP) && Reachable(window))
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&stops));
    std::vector<HWND> ordered;
    ordered.reserve(stops.size());
    for (size_t index : ReadingOrder(PlacesOf(stops)))
        ordered.push_back(stops[index]);
    return ordered;
}

bool HandleDialogKeyboard(HWND dialog, const MSG& msg, const DialogKeyboardOptions& options) {
    if (!Within(dialog, msg.hwnd))
        return false;
    switch (msg.message) {
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU) {
            ShowAccessKeys(dialog, true);
            return true;
        }
        if (IsKeyLetter(msg.wParam) && Held(VK_MENU)) {
            PressAccessKey(dialog, static_cast<int>(msg.wParam));
            return true;
        }
        return HandleKeyDown(dialog, msg, options);
    case WM_SYSKEYUP:
    case WM_KEYUP:
        if (msg.wParam != VK_MENU)
            return false;
        // Let go of Alt: no menu mode follows, as the windows have no menu bar.
        ShowAccessKeys(dialog, false);
        return true;
    case WM_SYSCHAR:
        // Taken as an access key already (or none): no beep.
        return Held(VK_MENU) && IsCharAlphaNumericA(static_cast<CHAR>(msg.wParam)) != FALSE;
    case WM_KEYDOWN:
        return HandleKeyDown(dialog, msg, options);
    default:
        return false;
    }
}

} // namespace mervik::ui
