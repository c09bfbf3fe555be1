// frmSettings' real dialog under the real window manager: the window it is. Its controls, their
// places and what it does with clicks, keys and the store are the end-to-end scenario's.

#include "platforms/win32/settings_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "platforms/forms/settings_layout.h"
#include "platforms/win32/settings_controls.h"
#include "registry/default_store.h"

namespace quellar::win32 {
namespace {

TEST(SettingsDialog, IsAFixedCentredWindowOfNoOwnerWithTheProgramsIcon) {
  // The dialog reads the store as it opens and writes it only as it closes, which this does not.
  const std::unique_ptr<registry::RegistryApi> store = registry::OpenDefaultRegistry();
  SettingsDialog dialog(GetModuleHandleW(nullptr), *store, ProgramVersion{2, 0, 0});
  dialog.Open();
  const HWND window = dialog.Hwnd();
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
}

// Moved to a monitor of another density, the window takes the place Windows suggests at the
// size it asked for, and the controls, their fonts and Line1 over the banner follow; back at 96
// dots per inch everything is where it began.
TEST(SettingsDialog, FollowsTheDensityOfItsMonitor) {
  const std::unique_ptr<registry::RegistryApi> store = registry::OpenDefaultRegistry();
  SettingsDialog dialog(GetModuleHandleW(nullptr), *store, ProgramVersion{2, 0, 0});
  dialog.Open();
  const HWND window = dialog.Hwnd();
  const HWND close = GetDlgItem(window, kCmdCloseId);
  for (const int dpi : {120, 144, 192, 96}) {
    SCOPED_TRACE(dpi);
    SIZE size{};
    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                 reinterpret_cast<LPARAM>(&size));
    EXPECT_NEAR(size.cx, Scaled(settings_layout::kClientWidth, dpi), Scaled(16, dpi));
    EXPECT_NEAR(size.cy, Scaled(settings_layout::kClientHeight, dpi), Scaled(48, dpi));
    RECT suggested{8, 16, 8 + size.cx, 16 + size.cy}, placed, button;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(window, &placed);
    EXPECT_TRUE(EqualRect(&placed, &suggested));

    const settings_layout::Box& box = settings_layout::kCmdClose;
    GetWindowRect(close, &button);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, Scaled(box.x, dpi));
    EXPECT_EQ(button.bottom, Scaled(box.y, dpi) + Scaled(box.height, dpi));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(close, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(825, dpi, 72 * 100));  // 8.25 points

    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC dc = GetDC(window);
    const int x = Scaled(300, dpi), lineY = Scaled(settings_layout::kLine1Y, dpi);
    EXPECT_EQ(GetPixel(dc, x, lineY), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(dc, x, lineY - 2), RGB(0, 0, 0));
    ReleaseDC(window, dc);
  }
}

}  // namespace
}  // namespace quellar::win32
