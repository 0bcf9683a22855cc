#include <gtest/gtest.h>

#include "device/DeviceConnection.h"
#include "device/DpiReadBack.h"
#include "device/ReportEncoder.h"
#include "device/UploadExecutor.h"
#include "device/win32/DeviceLinkWin32.h"
#include "hiddriver/HidDriverApi.h"
#include "tests/hiddriver/win32/WinTestSupport.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using testing::TestFolder;

struct Binding : ::testing::Test {
    HWND window = testing::CreateMessageWindow();
    SteadyClock clock;
    void TearDown() override { DestroyWindow(window); }
};

// Wine has no such mouse: the real library must say so and nothing may fail
// harder than that.
TEST_F(Binding, RealLibraryReportsTheMouseAbsentUnderWine) {
    Win32DeviceLink link(TestFolder("real"), window);
    ASSERT_TRUE(link.IsBound());
    DeviceConnection connection(link, clock);
    EXPECT_FALSE(connection.Open());
    EXPECT_EQ(connection.State(), ConnectionState::Absent);
    EXPECT_FALSE(ExecuteUpload(EncodeUpload(*testing::DefaultProfile()), connection).completed);
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, nullptr).outcome, ReadBackOutcome::NoAnswer);

    HMODULE library = GetModuleHandleA((TestFolder("real") + hid::kLibraryName).c_str());
    ASSERT_NE(library, nullptr);
    auto getFeature = reinterpret_cast<GetFeatureFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetFeature")));
    auto writeUsb =
        reinterpret_cast<WriteUsbFn>(reinterpret_cast<void*>(GetProcAddress(library, "WriteUSB")));
    unsigned char buffer[32] = {0x8B};
    EXPECT_EQ(getFeature(buffer, 8), 0);
    EXPECT_EQ(writeUsb(buffer, 32), 0);
    EXPECT_EQ(getFeature(nullptr, 8), 0);
    connection.Close();
}

TEST_F(Binding, MissingLibraryMeansNoMouse) {
    Win32DeviceLink link(TestFolder("none"), window);
    EXPECT_FALSE(link.IsBound());
    DeviceConnection connection(link, clock);
    EXPECT_FALSE(connection.Open());
    EXPECT_EQ(connection.OnConnectionEvent(1), ConnectionChange::None);
    connection.Close();
}

TEST_F(Binding, MissingEntryPointMeansNoCallAtAll) {
    const std::string path = TestFolder("partial") + hid::kLibraryName;
    HMODULE partial = LoadLibraryA(path.c_str()); // keeps the counter alive after the link lets go
    ASSERT_NE(partial, nullptr);
    {
        Win32DeviceLink link(TestFolder("partial"), window);
        EXPECT_FALSE(link.IsBound());
        DeviceConnection connection(link, clock);
        EXPECT_FALSE(connection.Open());
        connection.Close();
    }
    auto calls = reinterpret_cast<int(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(partial, "PartialDriverCalls")));
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(calls(), 0);
    FreeLibrary(partial);
}

} // namespace
} // namespace mervik
