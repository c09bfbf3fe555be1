#pragma once
// A registered window class, unregistered when it goes.

#include <windows.h>

namespace quellar::win32 {

class WindowClass {
 public:
  WindowClass(HINSTANCE instance, LPCWSTR name, UINT style, WNDPROC procedure, HBRUSH background);
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  ~WindowClass();

  LPCWSTR Name() const { return name_; }

 private:
  HINSTANCE instance_;
  LPCWSTR name_;
  ATOM atom_;
};

}  // namespace quellar::win32
