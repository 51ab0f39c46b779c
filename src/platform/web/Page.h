#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the program asks of the web page around it (index.html keeps the matching elements).
namespace page {

// Shows a width x height picture of RGBA bytes on the page's canvas.
void showFrame(const std::uint8_t* rgba, int width, int height);
// Whether the page is visible and has the input focus: the browser's "window in front".
bool inFront();
// Replaces the game's view by the page's goodbye after "Quit".
void showGoodbye();

// The highscore table in the browser's local storage, as the CSV text of highscores.csv. Copies
// the stored text into `file` (nothing stored: no file, as on a first start).
void copyStoredTableTo(const std::string& file);
// Stores the text of `file`. Storage refused by the browser is passed over, like an unwritable
// highscores.csv.
void storeTableFrom(const std::string& file);

// The stored table held lines the game could not read: the page keeps the stored text aside under
// a second key (an earlier one kept aside stays) and says so.
void setStoredTableAside(int records, int skipped);

// A text in the browser's local storage under `key` (none: nothing stored or storage refused).
std::optional<std::string> storedText(const char* key);
// Stores `text` under `key`; false when the browser refused.
bool storeText(const char* key, const std::string& text);
// Whether the page fits the picture at a whole number of screen pixels per game pixel when that
// gives up little of the largest fit (fit.js).
void preferWholePixels(bool prefer);

// A finished game's replay file, for the page to keep among the last ones.
void keepReplay(const std::string& name, const std::string& bytes);
// A replay played back to its end (or stopped), and whether it matched its checkpoints.
void replayEnded(bool matched, const std::string& why);

}  // namespace page
