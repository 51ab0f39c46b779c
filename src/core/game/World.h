#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "controls/Input.h"
#include "game/Bonus.h"
#include "game/Highscores.h"
#include "game/PlayField.h"
#include "game/PlayObserver.h"
#include "game/Random.h"
#include "game/SceneSwitch.h"
#include "graphics/Rect.h"
#include "settings/Settings.h"
#include "sound/FrameCues.h"
#include "sprites/Arena.h"
#include "sprites/SpriteList.h"
#include "sprites/Stack.h"
#include "timing/Clock.h"

class PlayerSprite;

// All mutable state of one running game program: what the window, the title and the game scene keep
// from frame to frame. A freshly constructed World is the program at start. It is the arena its
// sprites play in; the game's own code reaches it through World::current(), which the frame entry
// sets. The scene bridge and the replay recorder belong to the play session that owns the World.
class World final : public Arena {
 public:
  static constexpr int kStackCapacity = 300;

  World();
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  static World& current();
  static World* currentOrNull();
  static void makeCurrent(World& world);

  // The window opened: choose the joystick and read the highscores.
  void start();
  // The window is closing: write the highscores.
  void shutdown();
  // The title's "Quit": the program ends after this frame.
  void destroyWindow() { windowDestroyed_ = true; }
  bool windowDestroyed() const { return windowDestroyed_; }

  void setClock(const Clock* clock);
  // The clock as the game reads it (every reading goes into the replay being recorded).
  std::int64_t now();
  int rand() override { return random.rand(); }

  // Sets up a level: new boss, fresh ship, empty lists; a new game when no game is in progress.
  void initialize(int level);

  // Adds a finished game to the table and saves it at once, so a killed game loses no record.
  void recordHighscore(int score, int lives, std::int64_t date);
  // Whether such a record is among the ten shown.
  bool madeTheTable(int score, int lives, std::int64_t date) const;
  // Writes the table; a failure leaves the old file and prints one line to stderr.
  bool saveHighscores();

  // The arena its sprites play in.
  const Rect& field() const override { return rc; }
  const MySprite& ship() const override;
  const EnemyBaseSprite& boss() const override { return *es; }
  void fireEnemyShot(MySprite* shot) override;
  void firePlayerShot(MySprite* shot) override;
  void addEffect(MySprite* effect) override;
  void removeEnemyShot(MySprite* shot) override { requestDelete(delesprites, shot); }
  void removePlayerShot(MySprite* shot) override { requestDelete(delpsprites, shot); }
  void removeEffect(MySprite* effect) override { requestDelete(delosprites, effect); }
  void withdrawEffect(MySprite* effect) override;
  void cue(SoundCue cue) override { cues.add(cue); }
  int& orbitColour() override { return orbitcolour; }

  // Asks for a sprite to join a list at the frame's commit. A request refused by a full stack
  // deletes the sprite, since no list will ever own it.
  void requestAdd(Stack<MySprite*>& stack, MySprite* sprite);
  // Asks for a sprite to be removed and deleted at the frame's commit; a refused request is counted
  // and the sprite repeats it on a later frame.
  void requestDelete(Stack<MySprite*>& stack, MySprite* sprite);
  // A sprite is being destroyed: drop every delete request still naming it.
  void forgetSprite(MySprite* sprite) override;

  // The play field.
  Rect rc{0, 0, kFieldWidth, kFieldHeight};
  // Whether the game window has the input focus; every control reads released otherwise.
  bool windowfront = false;
  Input input;

  SpriteList esl;  // enemy shots: hurt the ship on contact
  SpriteList psl;  // the player's shots
  SpriteList osl;  // effects and satellites: hurt nobody
  Stack<MySprite*> addesprites{kStackCapacity};
  Stack<MySprite*> addpsprites{kStackCapacity};
  Stack<MySprite*> addosprites{kStackCapacity};
  Stack<MySprite*> delesprites{kStackCapacity};
  Stack<MySprite*> delpsprites{kStackCapacity};
  Stack<MySprite*> delosprites{kStackCapacity};
  std::unique_ptr<EnemyBaseSprite> es;  // the current level's boss, in no list
  std::unique_ptr<PlayerSprite> psp;    // the player's ship
  int score = 0;
  std::int64_t levelbegintime = 0;
  std::int64_t ingametime = 0;
  bool timebonusadded = false;
  bool killbonusadded = false;
  bool bombbonusadded = false;
  NoDeathBonus nodeathbonus;
  HighscoreTable highscores;
  // The session's scene bridge: which scene runs and which level is played.
  SceneSwitch* UB = nullptr;
  BonusGiven bonusgiven;
  int bombcount = -1;
  int lifecount = -1;  // spare ships; negative when no game is in progress

  // Title scene: the selected entry and whether Up / Down were acted on and are still held.
  int selected = 0;
  bool upPressed = false;
  bool downPressed = false;
  // Game scene: the bomb button was acted on and is still held.
  bool keyXpressed = false;
  // Heads-up display: how far the score box has slid down, 0 to 50.
  int boxoffsety = 0;
  // The orbiting shots' shared outline colour, 0 to 199, moved on by each one drawn.
  int orbitcolour = 100;

  // Requests refused by full stacks so far.
  int stacks_dropped = 0;
  // Test and soak aid: losing the ship is ignored.
  bool invincible = false;

  // Empty: the table is kept in memory only (a replay being played back).
  std::filesystem::path highscoreFile = "highscores.csv";
  // Whether games are recorded into replays/ beside the highscore file (the programs turn it on).
  bool recordReplays = false;
  // The keys the player bound, for the title to name them; none: today's keys. The program owns
  // them and they outlive the World.
  const Settings::Controls* controls = nullptr;
  // Who watches the game for its replay (the session's recorder), or nobody.
  PlayObserver* observer = nullptr;
  Random random;
  // This frame's sound cues: output only, never read by the game.
  FrameCues cues;

 private:
  SystemClock systemClock_;
  const Clock* clock_ = &systemClock_;
  bool windowDestroyed_ = false;
};
