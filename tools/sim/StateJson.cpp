#include "StateJson.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "BossFields.h"
#include "bosses/Boss.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "player/PlayerSprite.h"

namespace {

nlohmann::json highscoresJson(const World& world) {
  nlohmann::json rows = nlohmann::json::array();
  for (const Highscore& h : world.highscores.all()) rows.push_back({h.score, h.lives, h.date});
  return rows;
}

nlohmann::json playerJson(const World& world) {
  if (!world.psp) return nullptr;
  return {{"x", world.psp->get_x()}, {"y", world.psp->get_y()}, {"state", world.psp->state_name()}};
}

nlohmann::json bossJson(const World& world) {
  const EnemyBaseSprite* boss = world.es.get();
  if (!boss) return nullptr;
  nlohmann::json out = {{"class", bossClassName(boss)}, {"x", boss->get_x()},
                        {"y", boss->get_y()},           {"life", boss->get_life()},
                        {"state", bossStateName(boss)}, {"dead", boss->isdead()}};
  addBossFields(*boss, out);
  return out;
}

// The class name of a sprite as written in the code ("EnemyLaserSprite"), looked up once per class.
const std::string& className(const Sprite& sprite) {
  static std::unordered_map<std::type_index, std::string> names;
  const std::type_index type(typeid(sprite));
  auto it = names.find(type);
  if (it != names.end()) return it->second;
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return names.emplace(type, status == 0 ? demangled.get() : type.name()).first->second;
}

nlohmann::json shotsJson(const World& world) {
  std::map<std::string, int> counts;
  for (const SpriteList* list : {&world.esl, &world.psl, &world.osl}) {
    for (SpriteNode* node = list->get_first(); node; node = node->get_next()) {
      ++counts[className(*node->get_vec())];
    }
  }
  return counts;
}

nlohmann::json bonusJson(const World& world) {
  return {{"time", world.bonusgiven.timebonus},
          {"clear", world.bonusgiven.clearbonus},
          {"bomb", world.bonusgiven.bombbonus},
          {"nodeath", world.nodeathbonus.getBonusAdded() ? world.nodeathbonus.getBonus() : 0}};
}

// What the state and the trace both show.
nlohmann::json gameJson(const World& world, std::int64_t frames, bool running) {
  nlohmann::json state;
  state["frame"] = frames;
  state["scene"] = world.UB && world.UB->inGame() ? "game" : "title";
  state["level"] = world.UB->get_nowlevel();
  state["selected"] = world.selected;
  state["running"] = running;
  state["score"] = world.score;
  state["lifecount"] = world.lifecount;
  state["bombcount"] = world.bombcount;
  state["screen"] = screenName(currentScreen(world));
  state["bonus"] = bonusJson(world);
  state["player"] = playerJson(world);
  state["boss"] = bossJson(world);
  state["lists"] = {{"esl", world.esl.get_count()},
                    {"psl", world.psl.get_count()},
                    {"osl", world.osl.get_count()}};
  state["stacks_dropped"] = world.stacks_dropped;
  return state;
}

}  // namespace

nlohmann::json stateJson(const World& world, std::int64_t frames, bool running) {
  nlohmann::json state = gameJson(world, frames, running);
  state["highscores"] = highscoresJson(world);
  return state;
}

nlohmann::json traceJson(const World& world, std::int64_t frames, bool running) {
  nlohmann::json state = gameJson(world, frames, running);
  state["random"] = world.random.state();
  state["shots"] = shotsJson(world);
  return state;
}
