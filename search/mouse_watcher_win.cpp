#include "search/mouse_watcher_win.h"

#define DIRECTINPUT_VERSION 0x0700
#include <dinput.h>

namespace {

using DirectInputCreateFunction = HRESULT(WINAPI*)(HINSTANCE, DWORD, LPDIRECTINPUTA*, LPUNKNOWN);

}  // namespace

MouseWatcher::MouseWatcher(HWND window, UINT_PTR timerId, MouseButtonHandler handler)
    : window_(window), timerId_(timerId), handler_(std::move(handler)) {}

MouseWatcher::~MouseWatcher() {
  setPollInterval(0);
  if (mouse_) {
    mouse_->Unacquire();
    mouse_->Release();
  }
  if (input_) input_->Release();
}

bool MouseWatcher::initialise() {
  if (initialised_) return mouse_ != nullptr;
  initialised_ = true;
  library_.reset(LoadLibraryA("dinput.dll"));
  if (!library_) return false;
  auto create = reinterpret_cast<DirectInputCreateFunction>(
      reinterpret_cast<void*>(GetProcAddress(library_.get(), "DirectInputCreateA")));
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!create || FAILED(create(instance, 0x0700, &input_, nullptr))) return false;
  IDirectInputDeviceA* mouse = nullptr;
  if (FAILED(input_->CreateDevice(GUID_SysMouse, &mouse, nullptr))) return false;
  if (FAILED(mouse->SetDataFormat(&c_dfDIMouse)) ||
      FAILED(mouse->SetCooperativeLevel(window_, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND))) {
    mouse->Release();
    return false;
  }
  mouse_ = mouse;
  enabled_ = true;
  acquire();
  return true;
}

void MouseWatcher::enableMouse(bool enabled) {
  enabled_ = enabled;
  if (!mouse_) return;
  if (enabled) {
    acquire();
  } else {
    mouse_->Unacquire();
  }
}

void MouseWatcher::setPollInterval(UINT milliseconds) {
  interval_ = milliseconds;
  if (milliseconds == 0) {
    KillTimer(window_, timerId_);
  } else {
    SetTimer(window_, timerId_, milliseconds, nullptr);
  }
}

// Takes hold of the device; the buttons as they are now are the base of later changes.
void MouseWatcher::acquire() {
  mouse_->Acquire();
  Buttons now{};
  if (sample(now)) previous_ = now;
}

bool MouseWatcher::sample(Buttons& buttons) {
  DIMOUSESTATE state{};
  HRESULT result = mouse_->GetDeviceState(sizeof state, &state);
  if (result == DIERR_INPUTLOST || result == DIERR_NOTACQUIRED) {
    mouse_->Acquire();
    result = mouse_->GetDeviceState(sizeof state, &state);
  }
  if (FAILED(result)) return false;
  for (int i = 0; i < 3; ++i) buttons[i] = (state.rgbButtons[i] & 0x80) != 0;
  return true;
}

void MouseWatcher::poll() {
  if (!mouse_ || !enabled_) return;
  Buttons now{};
  if (!sample(now)) return;
  Buttons before = previous_;
  previous_ = now;
  for (int i = 0; i < 3; ++i) {
    if (now[i] != before[i]) handler_(kLeftButtonCode + i, now[i] ? 0x80 : 0);
  }
}
