#pragma once

// The names the browser game keeps its data under in the site's storage. The program uses some,
// the page's scripts the others; the page reads them all from facts.js, which the build writes from
// here (WebFacts.cpp), so that a name is never spelt twice.
namespace storage {

// Local storage: the highscore table as the text of highscores.csv.
inline constexpr char kHighscores[] = "kelvaron.highscores";
// Local storage: a stored table the game could not read, kept aside (then ".2", ".3", ... after
// it).
inline constexpr char kHighscoresAside[] = "kelvaron.highscores.unreadable";
// Local storage: "off" while the sound was turned off, before the settings kept it; read once.
inline constexpr char kSound[] = "kelvaron.sound";
// Local storage: the player's settings, the same TOML text as settings.toml on Linux and Windows.
inline constexpr char kSettings[] = "kelvaron.settings";
// Local storage: a settings text the game could not read, kept aside.
inline constexpr char kSettingsAside[] = "kelvaron.settings.bad";
// Local storage: set on the first visit, which alone opens the card that explains the game.
inline constexpr char kVisited[] = "kelvaron.visited";
// IndexedDB: the database that keeps the last finished games' replays.
inline constexpr char kReplayDatabase[] = "kelvaron";

}  // namespace storage
