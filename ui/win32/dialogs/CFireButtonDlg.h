#pragma once
// The fire button dialog: the key one mouse button types over and over, how
// many times and how fast. The key field takes keys from the keyboard capture
// while it has the focus (Tab leaves it); the number fields are typed into and held within
// their limits as they change. The caller stores the result after OK.
#include <cstdint>

#include "ui/core/CapturedKey.h"
#include "ui/win32/capture/KeyFieldCapture.h"
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

class CFireButtonDlg : public CSkinnedDialog {
public:
    CFireButtonDlg(int count, int interval, uint8_t usage);

    // After OK: within their limits (count 0..255, interval 5..255) and the
    // HID usage of the key (0 = none). Otherwise the values the dialog was
    // opened with.
    int Count() const { return count_; }
    int Interval() const { return interval_; }
    uint8_t Key() const { return Accepted() ? key_.usage : openedUsage_; }

protected:
    const char* WindowCaption() const override { return "FireClick Dialog"; }
    void PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void OnInitDialog() override;
    void OnOk() override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDestroy() override;
    HWND InitialFocus() const override { return fields_[kKeyField].Hwnd(); }

private:
    enum { kKeyField, kIntervalField, kCountField, kFieldCount };
    static constexpr int kFirstFieldKey = 4;

    void OnFieldChanged();

    int count_;
    int interval_;
    uint8_t openedUsage_;
    KeyField key_;
    CBitmapEdit fields_[kFieldCount];
    KeyFieldCapture capture_;
};

} // namespace mervik::ui
