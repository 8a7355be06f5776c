#include "platform/sdl/sdl_input.h"

namespace {

bool IsSystemKey(const SDL_KeyboardEvent& key) {
  SDL_Keycode k = key.keysym.sym;
  return k == SDLK_LALT || k == SDLK_RALT || k == SDLK_F10 || (key.keysym.mod & KMOD_ALT);
}

}  // namespace

int VirtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return key;
  if (key >= SDLK_F1 && key <= SDLK_F12) return 0x70 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return 0x08;
    case SDLK_TAB: return 0x09;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 0x0D;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 0x10;
    case SDLK_LCTRL: case SDLK_RCTRL: return 0x11;
    case SDLK_PAUSE: return 0x13;
    case SDLK_CAPSLOCK: return 0x14;
    case SDLK_ESCAPE: return 0x1B;
    case SDLK_SPACE: return 0x20;
    case SDLK_PAGEUP: return 0x21;
    case SDLK_PAGEDOWN: return 0x22;
    case SDLK_END: return 0x23;
    case SDLK_HOME: return 0x24;
    case SDLK_LEFT: return 0x25;
    case SDLK_UP: return 0x26;
    case SDLK_RIGHT: return 0x27;
    case SDLK_DOWN: return 0x28;
    case SDLK_INSERT: return 0x2D;
    case SDLK_DELETE: return 0x2E;
    default: return 0xFF;  // any other key still counts as a key
  }
}

InputEvent TranslateSdlEvent(const SDL_Event& event) {
  InputEvent e;
  switch (event.type) {
    case SDL_QUIT:
      e.kind = InputEvent::Kind::Quit;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) e.kind = InputEvent::Kind::Quit;
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (!IsSystemKey(event.key)) {
        e.kind = event.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        e.key = VirtualKeyOf(event.key.keysym.sym);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT)
        e.kind = InputEvent::Kind::ButtonDown;
      break;
    case SDL_MOUSEMOTION:
      e.kind = InputEvent::Kind::MouseMove;
      if (SDL_Window* window = SDL_GetWindowFromID(event.motion.windowID)) {
        SDL_GetWindowPosition(window, &e.x, &e.y);
        e.x += event.motion.x;
        e.y += event.motion.y;
      } else {
        SDL_GetGlobalMouseState(&e.x, &e.y);
      }
      break;
    default:
      break;
  }
  return e;
}
