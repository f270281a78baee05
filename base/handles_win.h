#pragma once
// Owners for Win32 handles, GDI objects and COM pointers: each is released once.

#include <windows.h>

#include <cstdint>
#include <utility>

// Owns a value released by Release(value) unless it is the invalid value.
template <typename T, auto Release, std::intptr_t InvalidValue = 0>
class Owned {
  static T invalid() { return (T)InvalidValue; }

 public:
  Owned() = default;
  explicit Owned(T value) : value_(value) {}
  Owned(Owned&& other) noexcept : value_(other.take()) {}
  Owned& operator=(Owned&& other) noexcept {
    reset(other.take());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != invalid(); }
  T take() { return std::exchange(value_, invalid()); }
  void reset() { reset(invalid()); }
  void reset(T value) {
    if (value_ != invalid()) Release(value_);
    value_ = value;
  }

 private:
  T value_ = invalid();
};

inline void closeHandle(HANDLE handle) { CloseHandle(handle); }
inline void deleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void destroyWindow(HWND window) { DestroyWindow(window); }
inline void deleteDc(HDC dc) { DeleteDC(dc); }
inline void freeLibrary(HMODULE module) { FreeLibrary(module); }

// Kernel handles whose failure value is null (threads, processes, events).
using UniqueHandle = Owned<HANDLE, closeHandle>;
// File handles, whose failure value is INVALID_HANDLE_VALUE.
using UniqueFile = Owned<HANDLE, closeHandle, -1>;
using UniqueBitmap = Owned<HBITMAP, deleteGdiObject>;
using UniqueBrush = Owned<HBRUSH, deleteGdiObject>;
using UniqueFont = Owned<HFONT, deleteGdiObject>;
using UniquePen = Owned<HPEN, deleteGdiObject>;
using UniqueMemoryDc = Owned<HDC, deleteDc>;
using UniqueWindow = Owned<HWND, destroyWindow>;
using UniqueLibrary = Owned<HMODULE, freeLibrary>;

// A device context obtained with GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A COM interface pointer released once.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* pointer) : pointer_(pointer) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    reset(std::exchange(other.pointer_, nullptr));
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-parameters: releases what is held and gives the slot.
  T** put() {
    reset();
    return &pointer_;
  }
  void reset(T* pointer = nullptr) {
    if (pointer_) pointer_->Release();
    pointer_ = pointer;
  }

 private:
  T* pointer_ = nullptr;
};
