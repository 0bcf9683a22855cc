#include "ui/core/SettingsStatus.h"
#include "ui/core/TextFill.h"

#include "lang/TextIds.h"
#include "ui/core/MacroBankMeter.h"

namespace mervik::ui {

void SettingsStatus::MonitorFound(bool found) {
    monitor_ = found;
    if (!found) {
        applying_ = false;
        mouse_.reset();
    }
}

void SettingsStatus::ApplyPosted() {
    applying_ = true;
    percent_ = 0;
}

void SettingsStatus::ApplyAnswered() {
    applying_ = false;
}

void SettingsStatus::OnMouseStatus(const MouseStatus& status) {
    monitor_ = true;
    applying_ = false;
    if (status.holding == MouseHolding::Sending &&
        (!mouse_ || mouse_->holding != MouseHolding::Sending || mouse_->tries != status.tries))
        percent_ = 0;
    mouse_ = status;
}

void SettingsStatus::OnProgress(int percent) {
    if (percent >= 0 && percent <= 100)
        percent_ = percent;
}

StatusView SettingsStatus::View() const {
    if (!monitor_)
        return {StatusKind::NoService, kTextStatusNoService};
    if (applying_)
        return {StatusKind::Sending, kTextStatusSending, percent_, 1};
    if (!mouse_)
        return {};
    const MouseStatus& mouse = *mouse_;
    if (!mouse.connected) {
        if (edited_)
            return {StatusKind::NoMouse, kTextStatusNoMouseEdited};
        return {StatusKind::NoMouse, mouse.holding == MouseHolding::Current
                                         ? kTextStatusNoMouseHeld
                                         : kTextStatusNoMouseOwed};
    }
    switch (mouse.holding) {
    case MouseHolding::Sending:
    case MouseHolding::Owed: // back, and its repeat is on the way
        return {StatusKind::Sending, mouse.tries > 1 ? kTextStatusSendingAgain : kTextStatusSending,
                percent_, mouse.tries};
    case MouseHolding::Retrying:
        return {StatusKind::Retrying, kTextStatusRetrying, -1, mouse.tries, true};
    case MouseHolding::NotSent:
        if (mouse.reason == NotSentReason::NoProfile)
            return {StatusKind::NotSent, kTextStatusNotSentNoProfile, -1, mouse.tries};
        return {StatusKind::NotSent, kTextStatusNotSentRefused, -1, mouse.tries, true};
    case MouseHolding::Current:
        break;
    }
    if (edited_)
        return {StatusKind::Unapplied, kTextStatusUnapplied};
    return {StatusKind::InMouse, kTextStatusInMouse};
}

std::string StatusText(const StatusView& view, const TextLookup& texts) {
    if (!view.text)
        return {};
    const std::string sentence = texts(view.text);
    if (view.kind == StatusKind::Retrying)
        return FillNumbers(sentence, view.tries, kUploadTries);
    return FillNumbers(sentence, view.percent, view.tries);
}

} // namespace mervik::ui
