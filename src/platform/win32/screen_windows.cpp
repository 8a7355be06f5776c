#include "platform/win32/screen_windows.h"

#include "platform/win32/screen_rescue.h"
#include "platform/win32/wgl.h"
#include "resources/resource_ids.h"

namespace {

constexpr const char* kFlightClass = "MyWindow";
constexpr const char* kCoverClass = "FakeMonitor";
constexpr const char* kTitle = "Quorvan 3D ScreenSaver";
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_TOPMOST;
// GUID_CONSOLE_DISPLAY_STATE: data 0 off, 1 on, 2 dimmed.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

bool RegisterScreenClass(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUORVAN));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

InputEvent MouseMoveEvent(HWND window, LPARAM position) {
  // The position words are taken unsigned, as the system packs them.
  POINT point{LONG(LOWORD(position)), LONG(HIWORD(position))};
  ClientToScreen(window, &point);
  InputEvent event;
  event.kind = InputEvent::Kind::MouseMove;
  event.x = point.x;
  event.y = point.y;
  return event;
}

InputEvent KeyEvent(InputEvent::Kind kind, WPARAM key) {
  InputEvent event;
  event.kind = kind;
  event.key = int(key & 0xFF);
  return event;
}

}  // namespace

bool ScreenWindows::RegisterClasses() {
  if (classesRegistered_) return true;
  if (!RegisterScreenClass(instance_, kFlightClass, CS_VREDRAW | CS_HREDRAW | CS_OWNDC, FlightProc)) return false;
  if (!RegisterScreenClass(instance_, kCoverClass, CS_VREDRAW | CS_HREDRAW, DefWindowProcA)) {
    UnregisterClassA(kFlightClass, instance_);
    return false;
  }
  classesRegistered_ = true;
  return true;
}

bool ScreenWindows::CreateFlight(int width, int height, int samples) {
  if (flight_ || !RegisterClasses()) return false;
  multisampleFormat_ = FindMultisampleFormat(instance_, samples);
  HWND window = CreateWindowExA(kExStyle, kFlightClass, kTitle, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                                0, width, height, nullptr, nullptr, instance_, this);
  if (!window) return false;
  flight_ = window;
  windows_.push_back(window);
  if (!gl_) {
    // Without a context nothing could ever be drawn: fail like a window
    // that could not be made, so the run ends at once.
    Destroy();
    return false;
  }
  return true;
}

bool ScreenWindows::CreateCover(const ScreenRect& rect) {
  if (!RegisterClasses()) return false;
  HWND window = CreateWindowExA(kExStyle, kCoverClass, kTitle, WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance_, nullptr);
  if (!window) return false;
  windows_.push_back(window);
  return true;
}

void ScreenWindows::Show() {
  for (HWND window : windows_) ShowWindow(window, showCommand_);
  if (flight_) SetFocus(flight_);
}

bool ScreenWindows::FlightVisible() const {
  return flight_ && displayOn_ && IsWindowVisible(flight_) && !IsIconic(flight_);
}

void ScreenWindows::ReleaseContext() {
  if (gl_) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(gl_);
    gl_ = nullptr;
  }
  if (dc_) ReleaseDC(flight_, dc_);
  dc_ = nullptr;
}

void ScreenWindows::Destroy() {
  ReleaseContext();
  if (displayNotify_) UnregisterPowerSettingNotification(displayNotify_);
  displayNotify_ = nullptr;
  displayOn_ = true;
  for (HWND window : windows_) DestroyWindow(window);
  windows_.clear();
  flight_ = nullptr;
  if (classesRegistered_) {
    UnregisterClassA(kFlightClass, instance_);
    UnregisterClassA(kCoverClass, instance_);
    classesRegistered_ = false;
  }
}

bool ScreenWindows::Pump(InputEvent& event) {
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  event = {};
  if (message.message == WM_QUIT) {
    event.kind = InputEvent::Kind::Quit;
    return true;
  }
  pending_ = {};
  TranslateMessage(&message);
  DispatchMessageA(&message);
  event = pending_;
  return true;
}

void ScreenWindows::Swap() {
  if (dc_) SwapBuffers(dc_);
}

void ScreenWindows::FlightCentre(int& x, int& y) const {
  RECT client{};
  if (flight_) GetClientRect(flight_, &client);
  POINT centre{client.right / 2, client.bottom / 2};
  if (flight_) ClientToScreen(flight_, &centre);
  x = centre.x;
  y = centre.y;
}

void ScreenWindows::OnCreate(HWND window) {
  dc_ = GetDC(window);
  ChoosePixelFormatForWindow(dc_, multisampleFormat_);
  gl_ = wglCreateContext(dc_);
  if (gl_ && !wglMakeCurrent(dc_, gl_)) {
    wglDeleteContext(gl_);
    gl_ = nullptr;
  }
  displayNotify_ = RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void ScreenWindows::OnPowerSetting(const POWERBROADCAST_SETTING& setting) {
  if (IsEqualGUID(setting.PowerSetting, kConsoleDisplayState) && setting.DataLength >= sizeof(DWORD))
    displayOn_ = *reinterpret_cast<const DWORD*>(setting.Data) != 0;
}

LRESULT CALLBACK ScreenWindows::FlightProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ScreenWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      self->OnCreate(window);
      return 0;
    case WM_DESTROY:
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    case WM_SYSCOMMAND:  // the screensaver-start command included
      return 0;
    case WM_ENDSESSION:  // the process may be ended without another message
      if (wParam) screen_rescue::RestoreScreen();
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_POWERSETTINGCHANGE)
        self->OnPowerSetting(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
      return TRUE;
    case WM_KEYDOWN:
      self->pending_ = KeyEvent(InputEvent::Kind::KeyDown, wParam);
      return 0;
    case WM_KEYUP:
      self->pending_ = KeyEvent(InputEvent::Kind::KeyUp, wParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      self->pending_.kind = InputEvent::Kind::ButtonDown;
      return 0;
    case WM_MOUSEMOVE:
      self->pending_ = MouseMoveEvent(window, lParam);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
