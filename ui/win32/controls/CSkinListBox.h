#pragma once
// The skinned list (macro names): owner-drawn items with hot tracking, and
// in-place renaming or naming of a new item.
#include <memory>
#include <string>

#include "ui/win32/controls/Window.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CListItemEditor;

class CSkinListBox : public CWindow {
public:
    CSkinListBox();
    ~CSkinListBox() override;

    bool Create(HWND parent, const RECT& rect, int id);
    int AddItem(const std::string& text, LPARAM data);
    int InsertItem(int index, const std::string& text, LPARAM data);
    void SetColours(COLORREF selection, COLORREF text);
    void EnableRename(bool on) { renameEnabled_ = on; }
    void SetBitmapOffset(int offset) { bitmapOffset_ = offset; }
    // Opens the editor over the item under the pointer.
    void BeginRenameAtPointer();
    // Appends an empty item and opens the editor over it.
    void AddNewItem();

    // Called by the editor.
    void FinishEdit(bool commit, const std::string& text);

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT OnMouseMove(UINT, POINT pt) override;
    LRESULT OnMouseLeave() override;
    LRESULT OnLButtonDblClk(UINT, POINT pt) override;
    LRESULT OnRButtonDown(UINT, POINT) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int ItemAt(POINT pt) const;
    void RepaintItem(int index) const;
    void OpenEditor(int index, bool isNew);
    void DrawItemBitmap(HDC dc, const RECT& rect, LPARAM data) const;

    std::unique_ptr<CListItemEditor> editor_;
    Font font_;
    int id_ = 0;
    int hot_ = -1;
    int editing_ = -1;
    bool newItem_ = false;
    bool renameEnabled_ = true;
    bool tracking_ = false;
    int bitmapOffset_ = 0;
    COLORREF selection_ = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
};

} // namespace mervik::ui
