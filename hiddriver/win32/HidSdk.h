#pragma once
// The HID headers of the SDK. mingw-w64's copies declare no C linkage of
// their own, so they are included inside one here.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}
