#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

class World;

// The state of the game after a run, as the runner reports it.
nlohmann::json stateJson(const World& world, std::int64_t frames, bool running);

// One line of the trace: the state after a frame without the highscores, with the random
// generator's state and the live sprites of the three lists counted by class name.
nlohmann::json traceJson(const World& world, std::int64_t frames, bool running);
