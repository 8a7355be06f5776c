#include "platform/x11/x11_hack_platform.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/sdl/termination_signals.h"

namespace {

// The window being drawn into, once attached. Xlib reports errors through
// one process-wide handler, so it must be reachable from there.
unsigned long drawnWindow = 0;
int lastErrorCode = 0;

// The window vanishing under a request (its owner destroyed it between two
// events) ends the run like its DestroyNotify would: there is nothing of
// ours to undo. Any other error while drawing is reported and ignored
// instead of ending the process, as Xlib's default handler would; before
// the window is attached the caller reads lastErrorCode.
int OnXError(Display* display, XErrorEvent* error) {
  lastErrorCode = error->error_code;
  if (drawnWindow == 0) return 0;
  if (error->resourceid == drawnWindow) _exit(0);
  char text[160];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "quorvan3d: X error: %s (request %d)\n", text, error->request_code);
  return 0;
}

bool HasGlxExtension(Display* display, const char* name) {
  const char* list = glXQueryExtensionsString(display, DefaultScreen(display));
  size_t length = std::strlen(name);
  for (const char* at = list; at && (at = std::strstr(at, name)); at += length)
    if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) return true;
  return false;
}

}  // namespace

X11HackPlatform::X11HackPlatform(SettingsStore& store, AudioLoader audio, uint32_t window)
    : DesktopServices(store, std::move(audio)) {
  CatchTerminationSignals(OnTermination::ExitAtOnce);
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    std::fprintf(stderr, "quorvan3d: cannot open the X display '%s'\n", XDisplayName(nullptr));
    return;
  }
  XSetErrorHandler(OnXError);
  Window target = window ? Window(window) : DefaultRootWindow(display_);
  XWindowAttributes attributes;
  lastErrorCode = 0;
  if (!XGetWindowAttributes(display_, target, &attributes) || lastErrorCode != 0) {
    std::fprintf(stderr, "quorvan3d: there is no window 0x%lx on this display\n", target);
    return;
  }
  // Only the window's own changes: no input, so the daemon's input stays the daemon's.
  XSelectInput(display_, target, StructureNotifyMask | VisibilityChangeMask);
  XSync(display_, False);
  window_ = drawnWindow = target;
  mapped_ = attributes.map_state != IsUnmapped;
  width_ = attributes.width;
  height_ = attributes.height;
}

X11HackPlatform::~X11HackPlatform() {
  DestroyWindows();
  drawnWindow = 0;
  if (display_) XCloseDisplay(display_);
}

// The window is the one display: its size is the mode, never changed.
bool X11HackPlatform::EnumDisplayAdapter(int index, DisplayAdapter& adapter) {
  if (index != 0 || !Attached()) return false;
  adapter = {};
  std::snprintf(adapter.deviceName, sizeof adapter.deviceName, "0");
  std::snprintf(adapter.deviceString, sizeof adapter.deviceString, "X window 0x%lx", window_);
  adapter.stateFlags = AdapterAttachedToDesktop | AdapterPrimary;
  return true;
}

bool X11HackPlatform::EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) {
  std::snprintf(monitorString, sizeof monitorString, "%s", adapter.deviceString);
  return true;
}

bool X11HackPlatform::CurrentDisplayMode(const DisplayAdapter*, DisplayMode& mode) {
  if (!Attached()) return false;
  mode = {width_, height_, 32, 0, 0};
  return true;
}

uintptr_t X11HackPlatform::MonitorFromRect(const ScreenRect& rect) {
  return Attached() && rect.right > 0 && rect.bottom > 0 ? 1 : 0;
}

// A GL context for the window's own visual: the window is not ours to
// recreate with another one.
bool X11HackPlatform::CreateFlightWindow(const ScreenRect&, int, int, int) {
  if (!Attached()) return false;
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window_, &attributes);
  XVisualInfo wanted = {};
  wanted.visualid = XVisualIDFromVisual(attributes.visual);
  int count = 0;
  XVisualInfo* visual = XGetVisualInfo(display_, VisualIDMask, &wanted, &count);
  int usesGl = 0, doubleBuffered = 0;
  if (visual) {
    glXGetConfig(display_, visual, GLX_USE_GL, &usesGl);
    glXGetConfig(display_, visual, GLX_DOUBLEBUFFER, &doubleBuffered);
    if (usesGl && doubleBuffered) context_ = glXCreateContext(display_, visual, nullptr, True);
    XFree(visual);
  }
  if (!context_) {
    std::fprintf(stderr, "quorvan3d: window 0x%lx has no double-buffered OpenGL visual\n", window_);
    return false;
  }
  return glXMakeCurrent(display_, window_, context_);
}

void X11HackPlatform::DestroyWindows() {
  if (!context_) return;
  glXMakeCurrent(display_, None, nullptr);
  glXDestroyContext(display_, context_);
  context_ = nullptr;  // the event selection goes with the connection
}

void X11HackPlatform::SwapBuffers() {
  if (context_) glXSwapBuffers(display_, window_);
}

void X11HackPlatform::FlightWindowCentre(int& x, int& y) {
  x = width_ / 2;
  y = height_ / 2;
  Window child;
  if (Attached()) XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), x, y, &x, &y, &child);
}

bool X11HackPlatform::PumpMessage(InputEvent& event) {
  if (!Attached() || !XPending(display_)) return false;
  XEvent e;
  XNextEvent(display_, &e);
  event = {};
  if (e.type == DestroyNotify && e.xdestroywindow.window == window_) {
    event.kind = InputEvent::Kind::Quit;
    drawnWindow = 0;  // the shut-down's requests may find it gone; that is no reason to stop them
  } else if (e.type == ConfigureNotify && e.xconfigure.window == window_ &&
             (e.xconfigure.width != width_ || e.xconfigure.height != height_)) {
    width_ = e.xconfigure.width;
    height_ = e.xconfigure.height;
    if (resized_) resized_(width_, height_);
  } else if (e.type == MapNotify || e.type == UnmapNotify) {
    if (e.xmap.window == window_) mapped_ = e.type == MapNotify;
  } else if (e.type == VisibilityNotify && e.xvisibility.window == window_) {
    obscured_ = e.xvisibility.state == VisibilityFullyObscured;
  }
  return true;
}

// Whole milliseconds, rounded up: a frame a little late rather than a busy wait.
void X11HackPlatform::WaitForMessage(double seconds) {
  if (!Attached() || seconds <= 0 || XPending(display_)) return;
  pollfd connection{ConnectionNumber(display_), POLLIN, 0};
  poll(&connection, 1, int(std::ceil(seconds * 1000)));
}

void* X11HackPlatform::GetGLProcAddress(const char* name) {
  return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

bool X11HackPlatform::SetSwapInterval(int interval) {
  if (!context_) return false;
  if (HasGlxExtension(display_, "GLX_EXT_swap_control")) {
    auto set = reinterpret_cast<void (*)(Display*, GLXDrawable, int)>(GetGLProcAddress("glXSwapIntervalEXT"));
    if (set) set(display_, window_, interval);
    return set != nullptr;
  }
  auto set = reinterpret_cast<int (*)(unsigned)>(GetGLProcAddress("glXSwapIntervalMESA"));
  return HasGlxExtension(display_, "GLX_MESA_swap_control") && set && set(unsigned(interval)) == 0;
}
