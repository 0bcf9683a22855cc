#pragma once
// The main window's status area: where the settings are (not applied yet,
// being sent with how far, in the mouse, not sent and why, the mouse away),
// and a Retry button, enabled while sending again can help. A thin control: what it
// says comes from ui/core/SettingsStatus. A skin without its keys shows none.
#include <functional>
#include <string>

#include "ui/core/SettingsStatus.h"
#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/controls/DeferredControls.h"

namespace mervik::ui {

class CStatusArea : public CWindow, public AccessibleControl {
public:
    // The area at key `areaKey`, the Retry button at `retryKey`, each when the
    // skin places it.
    void Create(HWND parent, const DeferredControls& places, int areaKey, int retryKey);
    // The text is also the area's window text, for screen readers.
    void Show(const StatusView& view, const std::string& text, const std::string& retryCaption);
    void DestroyAll();

    // A screen reader reads the sentence.
    AccessibleFacts Describe() const override {
        AccessibleFacts facts;
        facts.role = AccessibleRole::StaticText;
        facts.name = text_;
        return facts;
    }

    // The user pressed Retry.
    std::function<void()> onRetry;

protected:
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT& ps) override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    ButtonFaces background_;
    CSkinButton retry_;
    StatusView view_;
    std::string text_;
};

} // namespace mervik::ui
