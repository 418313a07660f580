// Ownership of kernel handles: files, events and the like.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace sonorix {

struct KernelHandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// Closed with CloseHandle; files, events and the like.
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, the rest as null: both become empty.
inline UniqueHandle Adopt(HANDLE handle) {
  return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Unnamed; an auto-reset one wakes a single wait per signal.
inline UniqueHandle MakeEvent(bool manualReset) {
  return Adopt(CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr));
}

}  // namespace sonorix
