#pragma once
// The family of small warnings: a skin picture that carries the wording, and
// OK, cancel and close buttons. Only the buttons end it: Enter and Space
// press the focused one (OK when it opens), Escape presses Cancel.
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

enum class Warning { Click, Reset, MacroSet, NoMouse, DeleteMacro };

class CWarnDlg : public CSkinnedDialog {
public:
    explicit CWarnDlg(Warning kind);
    Warning Kind() const { return kind_; }

    // The skin file of each warning and whether it centres on its owner.
    static const char* SkinFileOf(Warning kind);
    static bool CentresOnOwner(Warning kind);

protected:
    void OnInitDialog() override;
    bool EscapeCancels() const override { return true; }
    HWND InitialFocus() const override { return OkButton(); }

private:
    Warning kind_;
};

class CNoMouseWarnDlg : public CWarnDlg {
public:
    CNoMouseWarnDlg() : CWarnDlg(Warning::NoMouse) {}
};

} // namespace mervik::ui
