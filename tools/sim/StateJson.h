#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

class World;

// The state of the game after a run, as the runner reports it.
nlohmann::json stateJson(const World& world, std::int64_t frames, bool running);
