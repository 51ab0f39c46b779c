#pragma once

#include <nlohmann/json.hpp>

class EnemyBaseSprite;
class Enemy6Sprite;
class Enemy7Sprite;
class Enemy8Sprite;
class Enemy9Sprite;

// What the state and the trace show of a boss beyond its class, place, life and state: its frame
// counter and turn, and the fields only its own class has.
void addBossFields(const EnemyBaseSprite& boss, nlohmann::json& out);

// The fields of one boss class, each written beside that class's other runner code.
void addEnemy6Fields(const Enemy6Sprite& boss, nlohmann::json& out);
void addEnemy7Fields(const Enemy7Sprite& boss, nlohmann::json& out);
void addEnemy8Fields(const Enemy8Sprite& boss, nlohmann::json& out);
void addEnemy9Fields(const Enemy9Sprite& boss, nlohmann::json& out);
