// Turns SDL events into the window messages the flight acts on: keys as
// Windows virtual-key codes, left and right clicks, mouse moves in screen
// coordinates. Alt, F10 and keys pressed with Alt are system keys, which
// never end the run; so are the middle button and the wheel.
#pragma once
#include <SDL.h>

#include "platform/platform.h"

InputEvent TranslateSdlEvent(const SDL_Event& event);
int VirtualKeyOf(SDL_Keycode key);
