#pragma once
// The skinned list (macro names, macro steps): owner-drawn items with hot
// tracking and an icon chosen by the item's data, and an in-place editor for
// naming a new item, renaming one, or typing an item's value.
#include <functional>
#include <memory>
#include <string>

#include "ui/core/AccessKey.h"
#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/CWindow.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CInPlaceEditor;

class CSkinListBox : public CWindow, public AccessibleControl {
public:
    CSkinListBox();
    ~CSkinListBox() override;

    // Items in the list font and row height at the skin's `scalePercent`.
    bool Create(HWND parent, const RECT& rect, int scalePercent = 100);
    int AddItem(const std::string& text, LPARAM data);
    int InsertItem(int index, const std::string& text, LPARAM data);
    void SetColours(COLORREF selection, COLORREF text);
    // The fill behind unselected items and below the last one.
    void SetBackground(COLORREF background);
    void EnableRename(bool on) { renameEnabled_ = on; }
    void SetBitmapOffset(int offset) { bitmapOffset_ = offset; }
    // What a screen reader calls the list (the skin's label of its place).
    void SetLabel(std::string label) { label_ = std::move(label); }
    // The ring around the focused item (0xRRGGBB), the skin's.
    void SetFocusLook(const FocusLook& look) { focus_ = look; }
    // Opens the editor over the item under the pointer.
    void BeginRenameAtPointer();
    // Appends an empty item and opens the editor over it.
    void AddNewItem();

    // Opens the editor over item `index` for a value: at most `limit`
    // characters, digits only when asked. Enter reports onValueEdited.
    void EditValue(int index, int limit, bool digitsOnly);
    bool Editing() const { return editor_ != nullptr; }
    // Ends an open editor as leaving it does, its report made before this
    // returns rather than from the queue.
    void CommitEdit();
    // Scrolls the least needed to show item `index` whole.
    void ScrollIntoView(int index);
    void RemoveAll();
    int Count() const;
    int Selection() const;
    void Select(int index);
    LPARAM ItemData(int index) const;
    std::string Text(int index) const;
    void SetText(int index, const std::string& text);

    // The user chose another item.
    std::function<void()> onSelect;
    // From the queue, once the editor took a text that is not empty: the
    // item at `row` holds it.
    std::function<void(int row)> onItemNamed;   // a new item (AddNewItem)
    std::function<void(int row)> onItemRenamed; // an item renamed in place
    std::function<void(int row)> onValueEdited; // an item's value (EditValue)
    // From the queue: a text was refused for a character the system's code
    // page lacks; the item is as it was before the editor opened.
    std::function<void()> onTextRefused;
    // From the queue: the right button was pressed over the list (the item
    // under the pointer, if any, is selected first), or the context-menu key
    // or Shift+F10 pressed in it; with the screen point a menu opens at: the
    // pointer's, or below the selected item for a key.
    std::function<void(POINT at)> onRightClick;

    AccessibleFacts Describe() const override;
    int AccessibleItemCount() const override { return Count(); }
    AccessibleFacts DescribeItem(int index) const override;
    RECT AccessibleItemPlace(int index) const override;
    // Selects the item, as a click on it does.
    void DoDefaultAction(int item) override;

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT OnMouseMove(UINT, POINT pt) override;
    LRESULT OnMouseLeave() override;
    LRESULT OnLButtonDblClk(UINT, POINT pt) override;
    LRESULT OnRButtonDown(UINT, POINT) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    HBRUSH OnCtlColor(HDC dc) override;
    bool OnReflectedCommand(WORD code) override;

private:
    POINT KeyboardMenuPoint() const;
    int ItemAt(POINT pt) const;
    void RepaintItem(int index) const;
    enum class EditPurpose { Rename, NewItem, Value };
    void OpenEditor(int index, EditPurpose purpose, int limit = 0, bool digitsOnly = false);
    void FinishEdit(bool commit, const std::string& text);
    void DrawItemBitmap(HDC dc, const RECT& rect, LPARAM data) const;

    std::unique_ptr<CInPlaceEditor> editor_;
    // An editor that has finished, deleted from the queue: it may still be
    // inside the call that finished it.
    std::unique_ptr<CInPlaceEditor> finishedEditor_;
    bool reportAtOnce_ = false;
    Font font_;
    Font wideFont_; // for an item with Chinese letters while the windows speak English
    int scalePercent_ = 100;
    int hot_ = -1;
    int editing_ = -1;
    EditPurpose purpose_ = EditPurpose::Rename;
    bool renameEnabled_ = true;
    bool tracking_ = false;
    int bitmapOffset_ = 0;
    FocusLook focus_;
    std::string label_;
    COLORREF selection_ = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
    COLORREF background_ = GetSysColor(COLOR_WINDOW);
    Brush backgroundBrush_;
};

} // namespace mervik::ui
