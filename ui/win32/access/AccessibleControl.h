#pragma once
// What a control answers a screen reader: it describes itself (and, for a
// list, its items) and does its default action. Any of Option's windows that
// is one hands out an accessibility object for itself (WM_GETOBJECT).
#include <windows.h>

#include "ui/core/AccessibleFacts.h"

namespace mervik::ui {

class AccessibleControl {
public:
    virtual AccessibleFacts Describe() const = 0;
    // A list's items, numbered from 0; the object numbers them from 1.
    virtual int AccessibleItemCount() const { return 0; }
    virtual AccessibleFacts DescribeItem(int /*index*/) const { return {}; }
    // An item's place in screen coordinates.
    virtual RECT AccessibleItemPlace(int /*index*/) const { return {}; }
    // What a click does (press, open the menu, select the item; -1 is the
    // control itself).
    virtual void DoDefaultAction(int /*item*/) {}

protected:
    ~AccessibleControl() = default;
};

// The answer to WM_GETOBJECT for `control`'s client object (the object
// marshalled for the asking program), or 0 for any other object, which the
// system then answers.
LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

} // namespace mervik::ui
