#pragma once

// What the scenes may ask of the scene bridge that runs them: back to the title, a new game, on to
// the next level; and which level is being played. A switch takes effect with the next frame; the
// scene that asked for it finishes its own frame.
class SceneSwitch {
 public:
  virtual void title() = 0;
  virtual void newgame() = 0;    // level 1
  virtual void contgame() = 0;   // the last level
  virtual void nextlevel() = 0;  // the level after this one, same scene
  // A new game as if chosen from the title, moved on to `level` without playing: level 5 is
  // "Continue", the others "New Game" and its next levels.
  virtual void startAt(int level) = 0;
  virtual int get_nowlevel() const = 0;
  // Whether the game scene runs (a level, or its result screen), not the title.
  virtual bool inGame() const = 0;

 protected:
  ~SceneSwitch() = default;
};
