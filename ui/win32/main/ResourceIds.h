#pragma once
// Resources of Option.exe.
#define IDI_OPTION 128
#define IDI_MENU_ARROW 129
// The event list draws the bitmap whose id is a row's kind.
#define IDB_ROW_PAUSE 135
#define IDB_ROW_RELEASE 137
#define IDB_ROW_PRESS 138
#define IDB_ROW_MOUSE 146

#ifdef __cplusplus
namespace mervik::ui {
constexpr int kProgramIconId = IDI_OPTION;
constexpr int kArrowIconId = IDI_MENU_ARROW;
} // namespace mervik::ui
#endif
