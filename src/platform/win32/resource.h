#pragma once

// The window icon: 16, 24, 32 and 48 pixels, 32-bit colour, drawn at build time from the ship.
#define IDI_KELVARON 101
