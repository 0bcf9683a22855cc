#include "ui/win32/dialogs/CWarnDlg.h"

namespace mervik::ui {
namespace {

struct WarningSkin {
    Warning kind;
    const char* file;
    bool centred;
};

constexpr WarningSkin kWarnings[] = {
    {Warning::Click, "skin_click_warn.ini", false},
    {Warning::Reset, "skin_reset_warn.ini", false},
    {Warning::MacroSet, "skin_macro_set_warn.ini", true},
    {Warning::NoMouse, "skin_nomouse_warn.ini", false},
    {Warning::DeleteMacro, "skin_delete_macro_warn.ini", true},
};

const WarningSkin& SkinOf(Warning kind) {
    for (const WarningSkin& w : kWarnings)
        if (w.kind == kind)
            return w;
    return kWarnings[0];
}

} // namespace

CWarnDlg::CWarnDlg(Warning kind) : CSkinnedDialog(SkinOf(kind).file), kind_(kind) {}

const char* CWarnDlg::SkinFileOf(Warning kind) {
    return SkinOf(kind).file;
}
bool CWarnDlg::CentresOnOwner(Warning kind) {
    return SkinOf(kind).centred;
}

void CWarnDlg::OnInitDialog() {
    if (CentresOnOwner(kind_))
        CentreOnOwner();
}

} // namespace mervik::ui
