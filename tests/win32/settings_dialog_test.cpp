// frmSettings' real dialog under the real window manager: the window it is and where its
// controls are. What it does with clicks, keys and the store is the end-to-end scenario's.

#include "windows/win32/settings_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "registry/default_store.h"
#include "windows/settings_layout.h"
#include "windows/win32/gdi_handle.h"
#include "windows/win32/settings_controls.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

// The dialog reads the store as it opens and writes it only as it closes, which no test does.
class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() { dialog.Open(); }

  // The control's rectangle in the dialog's client area.
  RECT PlaceOf(int id) const {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog.Hwnd(), id), &rect);
    MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  const int dpi = GetDeviceCaps(ScreenDc().Get(), LOGPIXELSY);
  const std::unique_ptr<registry::RegistryApi> store = registry::OpenDefaultRegistry();
  SettingsDialog dialog{GetModuleHandleW(nullptr), *store, ProgramVersion{2, 0, 0}};
};

// The labels are sized to their text: only where they start is fixed.
TEST_F(SettingsDialogTest, ControlsSitWhereTheLayoutPutsThem) {
  struct Placed {
    int id;
    layout::Box box;
    bool sized;
  };
  for (const auto& [id, box, sized] : {
           Placed{kFrame1Id, layout::kFrame1, true},
           Placed{kFrame2Id, layout::kFrame2, true},
           Placed{kChMouseId, layout::kChMouse, true},
           Placed{kChFailId, layout::kChFail, true},
           Placed{kCmdCloseId, layout::kCmdClose, true},
           Placed{kLabel4Id, layout::kLabel4, false},
           Placed{kLblLegalId, layout::kLblLegal, false},
       }) {
    const RECT rect = PlaceOf(id);
    EXPECT_EQ(rect.left, Scaled(box.x, dpi)) << id;
    EXPECT_EQ(rect.top, Scaled(box.y, dpi)) << id;
    if (!sized) continue;
    EXPECT_EQ(rect.right - rect.left, Scaled(box.width, dpi)) << id;
    EXPECT_EQ(rect.bottom - rect.top, Scaled(box.height, dpi)) << id;
  }
}

TEST_F(SettingsDialogTest, IsAFixedCentredWindowOfNoOwnerWithTheProgramsIcon) {
  const HWND window = dialog.Hwnd();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Scaled(layout::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, Scaled(layout::kClientHeight, dpi));
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
