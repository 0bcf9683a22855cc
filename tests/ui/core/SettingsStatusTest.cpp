// What Option's status area says, from Monitor's messages, Apply and the
// edits on screen.
#include <gtest/gtest.h>

#include <map>

#include "lang/TextIds.h"
#include "ui/core/SettingsStatus.h"

namespace mervik::ui {
namespace {

constexpr MouseStatus Mouse(bool connected, MouseHolding holding, uint8_t tries = 0,
                            NotSentReason reason = NotSentReason::None) {
    return {connected, holding, tries, reason};
}

struct Told {
    const char* name;
    MouseStatus mouse;
    bool edited;
    StatusKind kind;
    unsigned text;
    bool retry;
};

class EveryStatus : public ::testing::TestWithParam<Told> {};

TEST_P(EveryStatus, SaysWhereTheSettingsAre) {
    const Told& told = GetParam();
    SettingsStatus status;
    status.MonitorFound(true);
    status.SetEdited(told.edited);
    status.OnMouseStatus(told.mouse);
    const StatusView view = status.View();
    EXPECT_EQ(view.kind, told.kind);
    EXPECT_EQ(view.text, told.text);
    EXPECT_EQ(view.retry, told.retry);
    EXPECT_EQ(view.percent >= 0, told.kind == StatusKind::Sending);
}

constexpr NotSentReason kRefused = NotSentReason::Refused;

INSTANTIATE_TEST_SUITE_P(
    Table, EveryStatus,
    ::testing::Values(Told{"InMouse", Mouse(true, MouseHolding::Current), false,
                           StatusKind::InMouse, kTextStatusInMouse, false},
                      Told{"Unapplied", Mouse(true, MouseHolding::Current), true,
                           StatusKind::Unapplied, kTextStatusUnapplied, false},
                      Told{"Sending", Mouse(true, MouseHolding::Sending, 1), true,
                           StatusKind::Sending, kTextStatusSending, false},
                      Told{"SendingAgain", Mouse(true, MouseHolding::Sending, 3), false,
                           StatusKind::Sending, kTextStatusSendingAgain, false},
                      Told{"BackAndOwed", Mouse(true, MouseHolding::Owed), false,
                           StatusKind::Sending, kTextStatusSending, false},
                      Told{"Retrying", Mouse(true, MouseHolding::Retrying, 2, kRefused), true,
                           StatusKind::Retrying, kTextStatusRetrying, true},
                      Told{"NotSent", Mouse(true, MouseHolding::NotSent, 4, kRefused), true,
                           StatusKind::NotSent, kTextStatusNotSentRefused, true},
                      Told{"NoProfile",
                           Mouse(true, MouseHolding::NotSent, 0, NotSentReason::NoProfile), false,
                           StatusKind::NotSent, kTextStatusNotSentNoProfile, false},
                      Told{"AwayOwed", Mouse(false, MouseHolding::Owed), false, StatusKind::NoMouse,
                           kTextStatusNoMouseOwed, false},
                      Told{"AwayHeld", Mouse(false, MouseHolding::Current), false,
                           StatusKind::NoMouse, kTextStatusNoMouseHeld, false},
                      Told{"AwayWithEdits", Mouse(false, MouseHolding::Current), true,
                           StatusKind::NoMouse, kTextStatusNoMouseEdited, false}),
    [](const ::testing::TestParamInfo<Told>& info) { return std::string(info.param.name); });

TEST(SettingsStatus, WithoutMonitorApplySavesTheFilesOnly) {
    SettingsStatus status;
    EXPECT_EQ(status.View().kind, StatusKind::NoService);
    status.SetEdited(true);
    EXPECT_EQ(status.View().text, kTextStatusNoService);

    status.MonitorFound(true);
    EXPECT_EQ(status.View(), StatusView{}) << "nothing said until Monitor answers";
    status.OnMouseStatus(Mouse(true, MouseHolding::Current));
    status.MonitorFound(false); // Apply found no Monitor
    EXPECT_EQ(status.View().kind, StatusKind::NoService);
}

// From Apply to Monitor's word the settings count as being sent; each try
// starts its progress from nought.
TEST(SettingsStatus, AnApplyIsSendingUntilMonitorSaysMore) {
    SettingsStatus status;
    status.MonitorFound(true);
    status.OnMouseStatus(Mouse(true, MouseHolding::Current));
    status.ApplyPosted();
    EXPECT_EQ(status.View(), (StatusView{StatusKind::Sending, kTextStatusSending, 0, 1}));
    status.OnMouseStatus(Mouse(true, MouseHolding::Sending, 1));
    status.OnProgress(45);
    status.OnProgress(130); // not a percent: kept
    EXPECT_EQ(status.View().percent, 45);
    status.OnMouseStatus(Mouse(true, MouseHolding::Retrying, 1, kRefused));
    status.OnMouseStatus(Mouse(true, MouseHolding::Sending, 2));
    EXPECT_EQ(status.View().percent, 0) << "the next try starts again";
    status.OnMouseStatus(Mouse(true, MouseHolding::Current));
    EXPECT_EQ(status.View().kind, StatusKind::InMouse);

    // An older Monitor says nothing but 1258.
    status.ApplyPosted();
    status.ApplyAnswered();
    EXPECT_EQ(status.View().kind, StatusKind::InMouse);
}

TEST(SettingsStatus, TextsTakeTheirNumbers) {
    const std::map<unsigned, std::string> table{{kTextStatusSending, "Sending %1%"},
                                                {kTextStatusSendingAgain, "Sending, try %2: %1%"},
                                                {kTextStatusRetrying, "trying again (%1 of %2)"},
                                                {kTextStatusInMouse, "In the mouse"}};
    const TextLookup texts = [&](unsigned id) {
        auto it = table.find(id);
        return it == table.end() ? std::string() : it->second;
    };
    EXPECT_EQ(StatusText({StatusKind::Sending, kTextStatusSending, 45, 1}, texts), "Sending 45%");
    EXPECT_EQ(StatusText({StatusKind::Sending, kTextStatusSendingAgain, 5, 2}, texts),
              "Sending, try 2: 5%");
    EXPECT_EQ(StatusText({StatusKind::Retrying, kTextStatusRetrying, -1, 2, true}, texts),
              "trying again (2 of 4)");
    EXPECT_EQ(StatusText({StatusKind::InMouse, kTextStatusInMouse}, texts), "In the mouse");
    EXPECT_EQ(StatusText({}, texts), "");
}

} // namespace
} // namespace mervik::ui
