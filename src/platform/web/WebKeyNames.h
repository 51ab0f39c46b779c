#pragma once

#include <string>
#include <string_view>

// A keyboard event's key as the other programs name it ("Z", "Up", "Space", "Left Shift",
// "Return"): printable keys by their label, upper-cased; the rest from a small table, with
// Shift, Ctrl and Alt sided by the event's code.
std::string webKeyName(std::string_view key, std::string_view code);

// The standard gamepad mapping's index of a button by its standard name ("A", "Back",
// "Left Shoulder"; spaces and case do not matter), or -1.
int standardButtonNamed(std::string_view name);
