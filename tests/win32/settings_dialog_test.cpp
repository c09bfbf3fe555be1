// frmSettings' real dialog under the real window manager: the window it is. Its controls, their
// places and what it does with clicks, keys and the store are the end-to-end scenario's.

#include "windows/win32/settings_dialog.h"

#include <gtest/gtest.h>

#include <memory>

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

}  // namespace
}  // namespace quellar::win32
