#pragma once

#include <windows.h>

// Registers a window class of the game's: `procedure` handles its messages, the game's icon shows
// in both sizes, the arrow cursor over it, `background` wherever the window itself does not draw.
void registerWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                         HBRUSH background);
