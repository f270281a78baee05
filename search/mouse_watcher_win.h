#pragma once
// The global mouse watcher: samples the system mouse through DirectInput 7 on a window
// timer and reports each change of the first three buttons, whichever program has the
// focus. Codes 256, 257 and 258 for the left, right and middle buttons; state 0x80
// for down and 0 for up.

#include <windows.h>

#include <array>
#include <functional>

#include "base/handles_win.h"

struct IDirectInputA;
struct IDirectInputDeviceA;

inline constexpr int kLeftButtonCode = 256;

using MouseButtonHandler = std::function<void(int code, int state)>;

class MouseWatcher {
 public:
  // Polls on the timer of this window and id; the window's WM_TIMER for it calls poll().
  MouseWatcher(HWND window, UINT_PTR timerId, MouseButtonHandler handler);
  ~MouseWatcher();
  MouseWatcher(const MouseWatcher&) = delete;
  MouseWatcher& operator=(const MouseWatcher&) = delete;

  // Creates the mouse device and takes hold of it; later calls do nothing. False when
  // DirectInput or the device cannot be had; the watcher then never reports.
  bool initialise();
  bool initialised() const { return initialised_; }
  // While the mouse is disabled the device is let go and nothing is reported.
  void enableMouse(bool enabled);
  // 0 stops polling.
  void setPollInterval(UINT milliseconds);
  UINT pollInterval() const { return interval_; }
  void poll();

 private:
  using Buttons = std::array<bool, 3>;
  bool sample(Buttons& buttons);
  void acquire();

  HWND window_;
  UINT_PTR timerId_;
  MouseButtonHandler handler_;
  UniqueLibrary library_;
  IDirectInputA* input_ = nullptr;
  IDirectInputDeviceA* mouse_ = nullptr;
  bool initialised_ = false;
  bool enabled_ = false;
  UINT interval_ = 0;
  Buttons previous_{};
};
