#pragma once
// What Option's status area says: where the settings are. Monitor tells the
// mouse's status and how far an upload is; Option adds whether the working
// copy holds edits not yet applied and whether Monitor runs at all. The
// status area only draws what View gives.
#include <optional>
#include <string>

#include "contract/MouseStatus.h"
#include "ui/core/TextLookup.h"

namespace mervik::ui {

enum class StatusKind {
    Unknown,   // Monitor has not said yet
    NoService, // no Monitor: Apply saves the files only
    NoMouse,   // the mouse is not connected
    Sending,   // with a percent
    Retrying,  // a try failed, the next one waits
    NotSent,   // with its reason
    Unapplied, // edits not yet applied
    InMouse,
};

struct StatusView {
    StatusKind kind = StatusKind::Unknown;
    unsigned text = 0;  // the language library's sentence; 0: none
    int percent = -1;   // 0 to 100 while sending; -1: no progress to show
    int tries = 0;      // the try under way, or the tries made
    bool retry = false; // the user may send again
    bool operator==(const StatusView&) const = default;
};

class SettingsStatus {
public:
    // Monitor's window was looked for, at start and at each Apply.
    void MonitorFound(bool found);
    // Apply reached Monitor: the settings count as being sent until Monitor
    // says more, or answers it.
    void ApplyPosted();
    void ApplyAnswered();
    void OnMouseStatus(const MouseStatus& status);
    void OnProgress(int percent);
    void SetEdited(bool edited) { edited_ = edited; }

    // While the mouse is away, the edits wait for Apply and the files;
    // otherwise a mouse without the applied settings comes before edits not
    // yet applied.
    StatusView View() const;

private:
    bool monitor_ = false;
    bool applying_ = false;
    bool edited_ = false;
    std::optional<MouseStatus> mouse_;
    int percent_ = 0;
};

// The sentence of `view`, its numbers filled in.
std::string StatusText(const StatusView& view, const TextLookup& texts);

} // namespace mervik::ui
