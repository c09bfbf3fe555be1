#pragma once
// Conversions between the port's opaque handles and Win32's typed ones, and owners for the
// kernel handles the platform keeps. On Win32 the port's handles are the real ones.

#include <windows.h>

#include <memory>

#include "engine/platform.h"

namespace quellar::win32 {

template <typename Native>
Handle ToHandle(Native native) {
  return reinterpret_cast<Handle>(native);
}

template <typename Native>
Native FromHandle(Handle handle) {
  return reinterpret_cast<Native>(handle);
}

// A resource id as the pointer-typed name the resource functions take.
inline LPCWSTR ResourceIdW(WORD id) {
  return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(id));
}
inline LPCSTR ResourceIdA(WORD id) {
  return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id));
}

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueKernelHandle = std::unique_ptr<void, KernelHandleCloser>;

}  // namespace quellar::win32
