#include "StateJson.h"

#include "bosses/Boss.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "shell/UpdateBridge.h"

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
  return {{"class", bossClassName(boss)}, {"x", boss->get_x()},           {"y", boss->get_y()},
          {"life", boss->get_life()},     {"state", bossStateName(boss)}, {"dead", boss->isdead()}};
}

nlohmann::json bonusJson(const World& world) {
  return {{"time", world.bonusgiven.timebonus},
          {"clear", world.bonusgiven.clearbonus},
          {"bomb", world.bonusgiven.bombbonus},
          {"nodeath", world.nodeathbonus.getBonusAdded() ? world.nodeathbonus.getBonus() : 0}};
}

}  // namespace

nlohmann::json stateJson(const World& world, std::int64_t frames, bool running) {
  nlohmann::json state;
  state["frame"] = frames;
  state["scene"] = world.UB.scene == updatetitle ? "title" : "game";
  state["level"] = world.UB.get_nowlevel();
  state["selected"] = world.selected;
  state["running"] = running;
  state["highscores"] = highscoresJson(world);
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
