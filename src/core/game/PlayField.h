#pragma once

// The play field, in pixels: the client area of the game's 800 by 600 window, which every program
// draws and shows whole.
inline constexpr int kFieldWidth = 794;
inline constexpr int kFieldHeight = 571;
