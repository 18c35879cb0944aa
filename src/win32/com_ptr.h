// Owners for COM interfaces and for item identifier lists of the shell's allocator.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace win32 {

// Holds one reference to a COM interface.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For functions that hand out a new reference.
  T** receive() {
    reset();
    return &object_;
  }
  void** receiveVoid() { return reinterpret_cast<void**>(receive()); }
  void reset(T* object = nullptr) {
    if (object_) object_->Release();
    object_ = object;
  }

 private:
  T* object_ = nullptr;
};

// An item identifier list allocated by the shell, freed with the shell's allocator.
class ShellIdList {
 public:
  explicit ShellIdList(IMalloc* allocator) : allocator_(allocator) {}
  ShellIdList(const ShellIdList&) = delete;
  ShellIdList& operator=(const ShellIdList&) = delete;
  ~ShellIdList() { reset(); }

  LPITEMIDLIST get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  LPITEMIDLIST* receive() {
    reset();
    return &list_;
  }
  void reset(LPITEMIDLIST list = nullptr) {
    if (list_) allocator_->Free(list_);
    list_ = list;
  }

 private:
  IMalloc* allocator_;
  LPITEMIDLIST list_ = nullptr;
};

}  // namespace win32
