// Stands in for the X11 screensaver daemon in the hack tests:
//   x11_window_owner window WxH   maps a magenta window of that size, prints
//                                 its id, destroys it on SIGUSR1, ends on SIGTERM
//   x11_window_owner cursor       exit 0 when the pointer's cursor has a
//                                 visible pixel, 1 when it is blank (hidden)
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

volatile sig_atomic_t destroyWanted = 0, endWanted = 0;

int OwnWindow(Display* display, const char* size) {
  unsigned width = 0, height = 0;
  if (std::sscanf(size, "%ux%u", &width, &height) != 2 || width == 0 || height == 0) return 2;
  signal(SIGUSR1, [](int) { destroyWanted = 1; });
  signal(SIGTERM, [](int) { endWanted = 1; });
  Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0, 0xFF00FF);
  // Input selected as the daemon selects it: only one client may take the clicks.
  XSelectInput(display, window, ButtonPressMask | KeyPressMask | ExposureMask);
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("%lu\n", window);
  std::fflush(stdout);
  while (!endWanted) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
    }
    if (destroyWanted && window) {
      XDestroyWindow(display, window);
      XSync(display, False);
      window = 0;
    }
    usleep(20000);
  }
  return 0;
}

int CursorVisible(Display* display) {
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) return 2;
  bool visible = false;
  for (int i = 0; i < image->width * image->height; ++i) visible = visible || (image->pixels[i] >> 24) != 0;
  XFree(image);
  return visible ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 2;
  if (argc == 3 && std::strcmp(argv[1], "window") == 0) return OwnWindow(display, argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "cursor") == 0) return CursorVisible(display);
  std::fprintf(stderr, "usage: x11_window_owner window WxH | cursor\n");
  return 2;
}
