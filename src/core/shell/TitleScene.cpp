#include "shell/TitleScene.h"

#include <cstdio>
#include <ctime>

#include "game/World.h"
#include "graphics/Canvas.h"
#include "settings/KeyBindings.h"

namespace {

constexpr int kLastEntry = kTitleMenuEntries - 1;
constexpr const char* kEntryNames[kTitleMenuEntries] = {"New Game", "Continue", "Quit"};

// One press moves the selection by one entry however long it is held; the ends do not wrap.
void moveSelection(World& world) {
  int choice = world.selected;
  if (world.windowfront && world.input.up()) {
    if (choice > 0 && !world.upPressed) {
      --choice;
      world.upPressed = true;
    }
  } else {
    world.upPressed = false;
  }
  if (world.windowfront && world.input.down()) {
    if (choice < kLastEntry && !world.downPressed) {
      ++choice;
      world.downPressed = true;
    }
  } else {
    world.downPressed = false;
  }
  world.selected = choice;
}

void actOnChoice(World& world) {
  if (!world.windowfront || !world.input.button1()) return;
  switch (world.selected) {
    case 0: world.UB->newgame(); break;
    case 1: world.UB->contgame(); break;
    case 2: world.destroyWindow(); break;
    default: break;
  }
}

std::string formatDate(std::int64_t date) {
  const auto seconds = static_cast<std::time_t>(date);
  const std::tm* local = std::localtime(&seconds);
  if (!local) return "----/--/-- --:--";  // a date the C library cannot convert
  char text[64];
  std::snprintf(text, sizeof text, "%4d/%02d/%02d %02d:%02d", local->tm_year + 1900,
                local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min);
  return text;
}

void drawMenu(World& world, Canvas& canvas) {
  canvas.text(100, 100, "Kelvaron", kBlue);
  const TitleMenuRow selected = titleMenuRow(world.selected);
  canvas.rectangle(selected.frameLeft, selected.frameTop, selected.frameRight, selected.frameBottom,
                   kGreen, std::nullopt);
  for (int entry = 0; entry < kTitleMenuEntries; ++entry) {
    const TitleMenuRow row = titleMenuRow(entry);
    canvas.text(row.textX, row.textY, kEntryNames[entry], kRed);
  }
  canvas.text(100, 400, menuHint(world.controls), kGreen);
}

void drawHighscores(World& world, Canvas& canvas) {
  canvas.text(420, 150, "Highscores", kWhite);
  canvas.text(420, 180, "Score", kWhite);
  canvas.text(545, 180, "Lives", kWhite);
  canvas.text(645, 180, "Date", kWhite);
  std::vector<Highscore> rows = world.highscores.best(HighscoreTable::kShown);
  rows.resize(HighscoreTable::kShown);  // a table never loaded shows empty slots
  for (int row = 0; row < HighscoreTable::kShown; ++row) {
    const int y = 210 + 30 * row;
    const HighscoreRowText text = formatHighscoreRow(rows[static_cast<std::size_t>(row)]);
    canvas.text(420, y, text.score, kWhite);
    canvas.text(545, y, text.lives, kWhite);
    canvas.text(645, y, text.date, kWhite);
  }
}

}  // namespace

TitleMenuRow titleMenuRow(int entry) {
  const int y = 200 + 50 * entry;
  return {100, y, 96, y - 4, 180, y + 22};
}

HighscoreRowText formatHighscoreRow(const Highscore& record) {
  if (record.score < 0) return {"-", "-", "-"};
  char score[32];
  if (record.score > 999999) {
    std::snprintf(score, sizeof score, "%2d,%03d,%03d", record.score / 1000000,
                  (record.score / 1000) % 1000, record.score % 1000);
  } else {
    std::snprintf(score, sizeof score, "   %03d,%03d", (record.score / 1000) % 1000,
                  record.score % 1000);
  }
  char lives[16];
  std::snprintf(lives, sizeof lives, "%3d", record.lives);
  return {score, lives, formatDate(record.date)};
}

void updatetitle(World& world, Canvas& canvas) {
  moveSelection(world);
  actOnChoice(world);
  drawMenu(world, canvas);
  drawHighscores(world, canvas);
}
