#include "platforms/win32/window_class.h"

#include "platforms/win32/win32_handles.h"

namespace quellar::win32 {

namespace {
constexpr WORD kProgramIcon = 1;
constexpr WORD kArrowCursor = 32512;  // IDC_ARROW
}  // namespace

WindowClass::WindowClass(HINSTANCE instance, LPCWSTR name, UINT style, WNDPROC procedure,
                         HBRUSH background)
    : instance_(instance), name_(name) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, ResourceIdW(kProgramIcon));
  windowClass.hCursor = LoadCursorW(nullptr, ResourceIdW(kArrowCursor));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  atom_ = RegisterClassExW(&windowClass);
}

WindowClass::~WindowClass() {
  if (atom_ != 0) UnregisterClassW(name_, instance_);
}

}  // namespace quellar::win32
