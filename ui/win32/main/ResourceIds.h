#pragma once
// Resources of Option.exe.
#define IDI_OPTION 128
#define IDI_MENU_ARROW 129

#ifdef __cplusplus
namespace mervik::ui {
constexpr int kProgramIconId = IDI_OPTION;
constexpr int kArrowIconId = IDI_MENU_ARROW;
} // namespace mervik::ui
#endif
