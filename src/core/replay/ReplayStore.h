#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "replay/ReplayFile.h"

// Where the replays go: a folder "replays" beside the highscore file.
std::filesystem::path replayFolder(const std::filesystem::path& highscoreFile);

// "YYYYMMDD-HHMMSS-SCORE.kvr" from the local time of `seconds` and the final score (ten digits);
// a game that entered the highscore table is marked "-hs" before the extension.
std::string replayFileName(const ReplayFile& replay, std::int64_t seconds);

// Writes the replay into the folder (made if missing) through a temporary file renamed into place,
// so a crash never leaves half a replay; a name already taken gets "-2", "-3", ... Then prunes the
// folder. On failure returns false and why.
bool saveReplay(const std::filesystem::path& folder, const ReplayFile& replay, std::int64_t seconds,
                std::string& error);

// Keeps the `newest` newest replays and every marked one; deletes the other replays. Files not
// named like a replay are left alone.
void pruneReplays(const std::filesystem::path& folder, std::size_t newest = 100);
