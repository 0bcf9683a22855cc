#include <gtest/gtest.h>

#include "tests/ui/win32/TestWindows.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/capture/ScopedKeyCapture.h"

namespace mervik::ui {
namespace {

TEST(ScopedKeyCapture, EndsWithItsHolderAndLeavesOthersAlone) {
    test::RecordingParent dialog, page;
    {
        ScopedKeyCapture capture;
        ASSERT_TRUE(capture.Take(dialog.Hwnd()));
        EXPECT_TRUE(capture.Held());
    } // a dialog object gone with its window still up
    EXPECT_FALSE(KeyCaptureActive()) << "the keyboard stayed captured";

    ASSERT_TRUE(InstallKeyHook(page.Hwnd()));
    {
        ScopedKeyCapture capture;
        EXPECT_FALSE(capture.Take(dialog.Hwnd())); // one capture at a time
        EXPECT_FALSE(capture.Held());
        capture.Release();
    }
    EXPECT_EQ(KeyCaptureTarget(), page.Hwnd()) << "another window's capture was ended";
    RemoveKeyHook();
}

} // namespace
} // namespace mervik::ui
