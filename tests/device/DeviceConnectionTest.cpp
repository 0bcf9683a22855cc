#include <gtest/gtest.h>

#include "device/DeviceConnection.h"
#include "protocol/DeviceMessages.h"
#include "tests/support/FakeDeviceLink.h"

namespace mervik {
namespace {

using testing::FakeClock;
using testing::FakeDeviceLink;
using Names = std::vector<std::string>;

struct Connection : ::testing::Test {
    FakeClock clock;
    FakeDeviceLink link{clock};
    DeviceConnection connection{link, clock};
};

TEST_F(Connection, OpenSequenceSelectsTheMouseAndReportsPresence) {
    EXPECT_TRUE(connection.Open());
    EXPECT_EQ(link.Names(), (Names{"Set_VIDPID 4119 32771", "Open_DevMonitor", "Open_FeatureDevice",
                                   "Open_ReportDevice"}));
    EXPECT_EQ(connection.State(), ConnectionState::Present);

    link.calls.clear();
    connection.Close();
    EXPECT_EQ(link.Names(),
              (Names{"Close_FeatureDevice", "Close_ReportDevice", "Close_DevMonitor"}));
}

TEST_F(Connection, AbsentMouseAtStartUpComesUpOnArrival) {
    link.present = false;
    EXPECT_FALSE(connection.Open());
    EXPECT_EQ(connection.State(), ConnectionState::Absent);

    link.calls.clear();
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionArrived), ConnectionChange::Arrived);
    EXPECT_EQ(connection.State(), ConnectionState::Present);
    EXPECT_EQ(link.Names(), (Names{"Open_FeatureDevice", "Open_ReportDevice"}));
    EXPECT_GE(link.calls[0].at - Clock::TimePoint{}, kArrivalSettleTime);
}

TEST_F(Connection, UnplugAndReplugKeepTheNotificationsRunning) {
    connection.Open();
    link.calls.clear();
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionRemoved), ConnectionChange::Removed);
    EXPECT_EQ(connection.State(), ConnectionState::Removed);
    EXPECT_EQ(link.Names(), (Names{"Close_FeatureDevice", "Close_ReportDevice"}));
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionArrived), ConnectionChange::Arrived);
    EXPECT_EQ(connection.State(), ConnectionState::Present);
}

TEST_F(Connection, RepeatsAndUnknownValuesChangeNothing) {
    connection.Open();
    link.calls.clear();
    const Clock::TimePoint before = clock.now;
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionArrived), ConnectionChange::None);
    EXPECT_EQ(clock.now, before); // no settling wait for a repeat
    EXPECT_EQ(connection.OnConnectionEvent(3), ConnectionChange::None);
    connection.OnConnectionEvent(kConnectionRemoved);
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionRemoved), ConnectionChange::None);
    EXPECT_EQ(link.Names(), (Names{"Close_FeatureDevice", "Close_ReportDevice"}));
}

TEST_F(Connection, RemovalFromAbsentIsARemoval) {
    link.present = false;
    connection.Open();
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionRemoved), ConnectionChange::Removed);
}

TEST_F(Connection, WithoutTheLibraryNoEntryPointIsCalled) {
    link.bound = false;
    EXPECT_FALSE(connection.Open());
    EXPECT_EQ(connection.OnConnectionEvent(kConnectionArrived), ConnectionChange::None);
    connection.Close();
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(connection.State(), ConnectionState::Absent);
}

TEST(ChangeMessage, OnlyZeroAndOneFormAnEvent) {
    EXPECT_EQ(ConnectionEventOfChange(1), 0x7F000001u);
    EXPECT_EQ(ConnectionEventOfChange(0), 0x7F000002u);
    EXPECT_FALSE(ConnectionEventOfChange(2));
    EXPECT_FALSE(ConnectionEventOfChange(~uintptr_t{0}));
}

} // namespace
} // namespace mervik
