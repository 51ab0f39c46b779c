#pragma once

#include "sprites/Sprite.h"

// One entry of a SpriteList. It owns its sprite.
class SpriteNode {
 public:
  explicit SpriteNode(Sprite* sprite) : sprite_(sprite) {}
  ~SpriteNode() { delete sprite_; }
  SpriteNode(const SpriteNode&) = delete;
  SpriteNode& operator=(const SpriteNode&) = delete;

  Sprite* get_vec() const { return sprite_; }
  SpriteNode* get_next() const { return next_; }

 private:
  friend class SpriteList;
  Sprite* sprite_;
  SpriteNode* prev_ = nullptr;
  SpriteNode* next_ = nullptr;
};

// Doubly linked list that owns its sprites: removing an entry or emptying the list deletes them.
// Walk it with get_first() / get_next(); change it only between walks.
class SpriteList {
 public:
  SpriteList() = default;
  ~SpriteList() { clear(); }
  SpriteList(const SpriteList&) = delete;
  SpriteList& operator=(const SpriteList&) = delete;

  SpriteNode* push_first(Sprite* sprite);
  SpriteNode* push_last(Sprite* sprite);
  void delete_first();
  void delete_last();
  // Removes and deletes the first entry holding this sprite; does nothing when there is none.
  void delete_sprite(const Sprite* sprite);
  // The sprite at a 0-based position, walking from the nearer end; null when out of range.
  Sprite* trace(int index) const;
  // Deletes every entry and its sprite.
  void clear();

  int get_count() const { return count_; }
  SpriteNode* get_first() const { return first_; }
  SpriteNode* get_last() const { return last_; }

 private:
  void unlink(SpriteNode* node);

  SpriteNode* first_ = nullptr;
  SpriteNode* last_ = nullptr;
  int count_ = 0;
};
