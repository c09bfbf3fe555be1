#include "platforms/win32/settings_dialog.h"

#include <utility>

#include "platforms/forms/process_end.h"
#include "platforms/forms/settings_layout.h"
#include "platforms/win32/dpi.h"
#include "platforms/win32/settings_banner.h"
#include "platforms/win32/settings_controls.h"
#include "platforms/win32/wide_text.h"
#include "platforms/win32/win32_handles.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

constexpr WORD kProgramIcon = 1;
constexpr WORD kBannerBitmap = 105;
// A single fixed border with a title bar, its icon and close box, and no minimise or maximise
// button. No DS_MODALFRAME: with it the title bar would show no icon.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// The window alone: the controls are made in pixels once the screen's density is known.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  WORD title;
};

UniqueGdi<HBITMAP> LoadBanner(HINSTANCE instance) {
  return UniqueGdi<HBITMAP>(static_cast<HBITMAP>(
      LoadImageW(instance, ResourceIdW(kBannerBitmap), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void SetIcons(HWND window, HINSTANCE instance) {
  // Shared icons belong to the module; nothing to free.
  const auto load = [&](int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return reinterpret_cast<LPARAM>(
        LoadImageW(instance, ResourceIdW(kProgramIcon), IMAGE_ICON, size, size, LR_SHARED));
  };
  SendMessageW(window, WM_SETICON, ICON_BIG, load(SM_CXICON));
  SendMessageW(window, WM_SETICON, ICON_SMALL, load(SM_CXSMICON));
}

}  // namespace

// No exception may cross the system's frames of the window procedure.
template <typename Handler>
void SettingsDialog::Guard(Handler&& handler) noexcept {
  if (!guard_.Run(handler)) CloseDialog();
}

SettingsDialog::SettingsDialog(HINSTANCE instance, registry::RegistryApi& registry,
                               ProgramVersion version)
    : instance_(instance), form_(*this, registry, version), banner_(LoadBanner(instance)) {}

// A dialog still open here (after a failure) goes without storing: only Form_Unload stores.
SettingsDialog::~SettingsDialog() {
  if (dialog_ != nullptr) DestroyWindow(dialog_);
}

void SettingsDialog::Open() {
  const EmptyDialogTemplate dialogTemplate{{kStyle, 0, 0, 0, 0, 0, 0}, 0, 0, 0};
  CreateDialogIndirectParamW(instance_, &dialogTemplate.header, nullptr, &SettingsDialog::Procedure,
                             reinterpret_cast<LPARAM>(this));
  guard_.RethrowFailure();
  if (dialog_ != nullptr) ShowWindow(dialog_, SW_SHOWNORMAL);
}

void SettingsDialog::RunModal() {
  MSG message;
  while (dialog_ != nullptr) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // A quit meant for the program's own loop is passed on.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageW(dialog_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  guard_.RethrowFailure();
}

std::int16_t SettingsDialog::CheckState(CheckBox box) {
  return static_cast<std::int16_t>(SendMessageW(Control(box), BM_GETCHECK, 0, 0));
}

void SettingsDialog::SetCheckState(CheckBox box, std::int16_t state) {
  SendMessageW(Control(box), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void SettingsDialog::SetEnabled(CheckBox box, bool enabled) {
  EnableWindow(Control(box), enabled ? TRUE : FALSE);
}

void SettingsDialog::SetCaption(const std::string& caption) {
  SetWindowTextW(dialog_, Utf8ToWide(caption).c_str());
}

void SettingsDialog::SetVersionText(const std::string& text) {
  versionText_ = Utf8ToWide(text);
  InvalidateRect(dialog_, nullptr, TRUE);
}

void SettingsDialog::CloseDialog() {
  if (dialog_ != nullptr) DestroyWindow(dialog_);
}

// Unwinds through RunModal to the entry point, which ends the process in order.
void SettingsDialog::EndProcess() {
  throw ProcessEnd{0};
}

INT_PTR CALLBACK SettingsDialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<SettingsDialog*>(lParam);
    self->dialog_ = window;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<SettingsDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;  // the focus is set
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    // The close box, the system menu and Alt+F4: unload, and the modal show returns.
    case WM_CLOSE:
      Guard([&] { form_.Unload(); });
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    // Asked before a move to a monitor of another density: the size the layout will have there.
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = WindowSize(static_cast<int>(wParam));
      SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(dialog_, DWLP_USER, 0);
      dialog_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void SettingsDialog::OnInitDialog() {
  TakeOverDpiChanges(dialog_);
  CreateSettingsControls(dialog_, instance_);
  ApplyDpi(DpiOf(dialog_));
  PlaceCentred();
  SetIcons(dialog_, instance_);
  Guard([&] { form_.Form_Load(); });
  if (dialog_ != nullptr) SetFocus(Control(CheckBox::ChMouse));
}

// Escape and Enter arrive as IDCANCEL and IDOK, which no control has: they do nothing.
void SettingsDialog::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kChMouseId:
      Guard([&] { form_.CheckBoxClicked(CheckBox::ChMouse); });
      break;
    case kChFailId:
      Guard([&] { form_.CheckBoxClicked(CheckBox::ChFail); });
      break;
    case kCmdCloseId:
      Guard([&] { form_.cmdClose_Click(); });
      break;
    default:
      break;
  }
}

void SettingsDialog::OnPaint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(dialog_, &paint);
  RECT client;
  GetClientRect(dialog_, &client);
  PaintBanner(dc, {banner_.get(), fonts_.Version(), versionText_, dpi_, client.right});
  EndPaint(dialog_, &paint);
}

// The new fonts reach every control before the old ones go.
void SettingsDialog::ApplyDpi(int dpi) {
  DialogFonts fonts(dpi);
  LayOutSettingsControls(dialog_, fonts, dpi);
  fonts_ = std::move(fonts);
  dpi_ = dpi;
  InvalidateRect(dialog_, nullptr, TRUE);
}

// Windows suggests where the window goes on the new monitor, at the size WM_GETDPISCALEDSIZE
// gave it; taking it as it is keeps the window from bouncing between monitors.
void SettingsDialog::OnDpiChanged(int dpi, const RECT& suggested) {
  ApplyDpi(dpi);
  SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE SettingsDialog::WindowSize(int dpi) const {
  return WindowSizeFor({Scaled(layout::kClientWidth, dpi), Scaled(layout::kClientHeight, dpi)},
                       kStyle, dpi);
}

void SettingsDialog::PlaceCentred() {
  const auto [width, height] = WindowSize(dpi_);
  SetWindowPos(dialog_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND SettingsDialog::Control(CheckBox box) const {
  return GetDlgItem(dialog_, box == CheckBox::ChMouse ? kChMouseId : kChFailId);
}

void RunSettingsDialog(HINSTANCE instance, registry::RegistryApi& registry,
                       ProgramVersion version) {
  SettingsDialog dialog(instance, registry, version);
  dialog.Open();
  dialog.RunModal();
}

}  // namespace quellar::win32
