// frmSettings' real dialog under the real window manager: where its controls are, how it looks
// to the keyboard, what a stored 2 shows, and what each way of closing it does.

#include "windows/win32/settings_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "windows/process_end.h"
#include "windows/settings_layout.h"
#include "windows/win32/settings_controls.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

// One key that holds single-byte values by name: all the dialog reads and writes.
class ByteStore final : public registry::RegistryApi {
 public:
  std::int32_t CreateKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                         registry::HKey& result) override {
    result = 1;
    return registry::kErrorSuccess;
  }
  std::int32_t OpenKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                       registry::HKey& result) override {
    result = 1;
    return registry::kErrorSuccess;
  }
  std::int32_t SetValue(registry::HKey, const std::string& name, std::uint32_t,
                        const std::uint8_t* data, std::uint32_t size) override {
    if (size != 1) return registry::kErrorAccessDenied;
    bytes[name] = data[0];
    return registry::kErrorSuccess;
  }
  std::int32_t QueryValue(registry::HKey, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override {
    const auto found = bytes.find(name);
    if (found == bytes.end()) return registry::kErrorFileNotFound;
    type = registry::kRegBinary;
    if (size < 1) {
      size = 1;
      return registry::kErrorMoreData;
    }
    data[0] = found->second;
    size = 1;
    return registry::kErrorSuccess;
  }
  std::int32_t CloseKey(registry::HKey) override { return registry::kErrorSuccess; }
  bool FindOrdinaryFile(const std::string&) override { return false; }

  std::map<std::string, std::uint8_t> bytes;
};

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void Open() {
    dialog.Open();
    ASSERT_NE(dialog.Hwnd(), nullptr);
  }
  HWND Item(int id) const { return GetDlgItem(dialog.Hwnd(), id); }
  LRESULT CheckOf(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0); }
  void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  // The control's rectangle in the dialog's client area.
  RECT PlaceOf(int id) const {
    RECT rect;
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  const int dpi = ScreenDpi();
  ByteStore store;
  SettingsDialog dialog{GetModuleHandleW(nullptr), store, ProgramVersion{2, 0, 0}};
};

struct Placed {
  int id;
  layout::Box box;
};

TEST_F(SettingsDialogTest, ControlsSitWhereTheLayoutPutsThem) {
  Open();
  const std::vector<Placed> controls{
      {kFrame1Id, layout::kFrame1},     {kFrame2Id, layout::kFrame2},
      {kChMouseId, layout::kChMouse},   {kChFailId, layout::kChFail},
      {kCmdCloseId, layout::kCmdClose},
  };
  for (const Placed& control : controls) {
    const RECT rect = PlaceOf(control.id);
    EXPECT_EQ(rect.left, Scaled(control.box.x, dpi)) << control.id;
    EXPECT_EQ(rect.top, Scaled(control.box.y, dpi)) << control.id;
    EXPECT_EQ(rect.right - rect.left, Scaled(control.box.width, dpi)) << control.id;
    EXPECT_EQ(rect.bottom - rect.top, Scaled(control.box.height, dpi)) << control.id;
  }
}

// The labels start at their places; the hotkeys keep at least their box, and the notice is one
// line.
TEST_F(SettingsDialogTest, LabelsHoldTheirTextWithoutWrapping) {
  Open();
  const RECT hotkeys = PlaceOf(kLabel4Id);
  EXPECT_EQ(hotkeys.left, Scaled(layout::kLabel4.x, dpi));
  EXPECT_EQ(hotkeys.top, Scaled(layout::kLabel4.y, dpi));
  EXPECT_GE(hotkeys.right - hotkeys.left, Scaled(layout::kLabel4.width, dpi));
  EXPECT_GE(hotkeys.bottom - hotkeys.top, Scaled(layout::kLabel4.height, dpi));
  const RECT notice = PlaceOf(kLblLegalId);
  EXPECT_EQ(notice.left, Scaled(layout::kLblLegal.x, dpi));
  EXPECT_EQ(notice.top, Scaled(layout::kLblLegal.y, dpi));
  EXPECT_LT(notice.bottom - notice.top, 2 * Scaled(layout::kLblLegal.height, dpi));
}

TEST_F(SettingsDialogTest, IsAFixedCentredWindowWithCaptionAndIcon) {
  Open();
  const HWND window = dialog.Hwnd();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Scaled(layout::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, Scaled(layout::kClientHeight, dpi));
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  wchar_t caption[64]{};
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Quellar\u2122 Screensaver by Tovenlab");
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(SettingsDialogTest, KeyboardGoesChMouseChFailCloseAndSkipsAGreyedBox) {
  Open();
  const HWND window = dialog.Hwnd();
  for (const int id : {kFrame1Id, kLabel4Id, kFrame2Id, kLblLegalId}) {
    EXPECT_EQ(GetWindowLongW(Item(id), GWL_STYLE) & WS_TABSTOP, 0) << id;
  }
  EXPECT_EQ(GetFocus(), Item(kChMouseId));
  EXPECT_EQ(GetNextDlgTabItem(window, Item(kChMouseId), FALSE), Item(kChFailId));
  EXPECT_EQ(GetNextDlgTabItem(window, Item(kChFailId), FALSE), Item(kCmdCloseId));
  EXPECT_EQ(GetNextDlgTabItem(window, Item(kCmdCloseId), FALSE), Item(kChMouseId));
  Click(kChMouseId);
  EXPECT_EQ(CheckOf(kChFailId), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(Item(kChFailId)));
  EXPECT_EQ(GetNextDlgTabItem(window, Item(kChMouseId), FALSE), Item(kCmdCloseId));
}

TEST_F(SettingsDialogTest, EscapeAndEnterCloseNothing) {
  Open();
  const HWND window = dialog.Hwnd();
  EXPECT_EQ(GetWindowLongW(Item(kCmdCloseId), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
  for (const WPARAM key : {WPARAM{VK_ESCAPE}, WPARAM{VK_RETURN}}) {
    MSG message{Item(kChMouseId), WM_KEYDOWN, key, 0, 0, {}};
    IsDialogMessageW(window, &message);
  }
  SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(dialog.Hwnd(), window);
}

TEST_F(SettingsDialogTest, StoredTwoIsIndeterminateAndClicksMakeItClearThenChecked) {
  store.bytes["SysFailScreen"] = 2;
  Open();
  EXPECT_EQ(CheckOf(kChFailId), BST_INDETERMINATE);
  Click(kChFailId);
  EXPECT_EQ(CheckOf(kChFailId), BST_UNCHECKED);
  Click(kChFailId);
  EXPECT_EQ(CheckOf(kChFailId), BST_CHECKED);
}

TEST_F(SettingsDialogTest, WindowCloseStoresAndReturns) {
  store.bytes["MouseMove"] = 1;
  Open();
  Click(kChMouseId);
  SendMessageW(dialog.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_NO_THROW(dialog.RunModal());
  EXPECT_EQ(store.bytes,
            (std::map<std::string, std::uint8_t>{{"MouseMove", 0}, {"SysFailScreen", 1}}));
}

TEST_F(SettingsDialogTest, CloseButtonStoresThenEndsTheProcess) {
  store.bytes["SysFailScreen"] = 7;
  Open();
  Click(kCmdCloseId);
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_THROW(dialog.RunModal(), ProcessEnd);
  EXPECT_EQ(store.bytes,
            (std::map<std::string, std::uint8_t>{{"MouseMove", 0}, {"SysFailScreen", 1}}));
}

}  // namespace
}  // namespace quellar::win32
