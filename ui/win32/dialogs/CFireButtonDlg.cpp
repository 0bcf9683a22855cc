#include "ui/win32/dialogs/CFireButtonDlg.h"

#include "ui/core/FireFields.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/controls/PlaceEdit.h"

namespace mervik::ui {
namespace {

// Posted to itself once the dialog is shown: showing activates the window,
// which takes the focus for itself.
constexpr UINT kMsgFocusKeyField = WM_APP + 1;

// A rewritten number keeps the caret at its end, where typing goes on.
void Rewrite(CBitmapEdit& field, const std::string& text) {
    if (text.empty())
        return;
    field.SetText(text);
    SendMessageA(field.Hwnd(), EM_SETSEL, text.size(), text.size());
}

} // namespace

CFireButtonDlg::CFireButtonDlg(int count, int interval, uint8_t usage)
    : CSkinnedDialog("skin_fire_button.ini"), count_(count), interval_(interval),
      openedUsage_(usage), key_(KeyField::OfUsage(usage)) {}

void CFireButtonDlg::PlaceDialogControls(const SkinFile& skin, const SharedSkinImages&) {
    PlaceDialogField(fields_[kKeyField], Hwnd(), skin, kFirstFieldKey + kKeyField, FieldKind::Key);
    for (int field : {kIntervalField, kCountField})
        PlaceDialogField(fields_[field], Hwnd(), skin, kFirstFieldKey + field, FieldKind::Number,
                         kFireFieldDigits);
    for (CBitmapEdit& field : fields_) {
        field.onChange = [this] { OnFieldChanged(); };
        // Besides the changes: a click back into the key field, with no
        // other field losing the focus on the way, captures the keyboard
        // again.
        field.onFocusChange = [this] { capture_.FollowFocus(); };
    }
    capture_.Attach(Hwnd(), fields_[kKeyField], key_);
}

void CFireButtonDlg::OnInitDialog() {
    fields_[kCountField].SetText(CountFieldText(count_));
    fields_[kIntervalField].SetText(IntervalFieldText(interval_));
    fields_[kKeyField].SetText(key_.text);
    CentreOnOwner();
    PostMessageA(Hwnd(), kMsgFocusKeyField, 0, 0);
}

void CFireButtonDlg::OnFieldChanged() {
    capture_.FollowFocus();
    const bool intervalFocused = GetFocus() == fields_[kIntervalField].Hwnd();
    const FireNumbers numbers = LimitFireFields(fields_[kCountField].Text(),
                                                fields_[kIntervalField].Text(), intervalFocused);
    Rewrite(fields_[kCountField], numbers.countRewrite);
    Rewrite(fields_[kIntervalField], numbers.intervalRewrite);
}

// OK takes the fields as they stand, with every limit applied: a number typed
// and confirmed without leaving its field must not go out of range.
void CFireButtonDlg::OnOk() {
    const FireNumbers numbers =
        FinalFireNumbers(fields_[kCountField].Text(), fields_[kIntervalField].Text());
    count_ = numbers.count;
    interval_ = numbers.interval;
}

LRESULT CFireButtonDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsgCapturedKey) {
        capture_.OnCapturedKey(wp, lp);
        return 0;
    }
    if (msg == kMsgFocusKeyField) {
        SetFocus(fields_[kKeyField].Hwnd());
        capture_.FollowFocus();
        return 0;
    }
    return CSkinnedDialog::OnMessage(msg, wp, lp);
}

void CFireButtonDlg::OnDestroy() {
    capture_.Release();
    CSkinnedDialog::OnDestroy();
}

} // namespace mervik::ui
