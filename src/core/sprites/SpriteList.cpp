#include "sprites/SpriteList.h"

SpriteNode* SpriteList::push_first(Sprite* sprite) {
  auto* node = new SpriteNode(sprite);
  node->next_ = first_;
  if (first_) first_->prev_ = node;
  first_ = node;
  if (!last_) last_ = node;
  ++count_;
  return node;
}

SpriteNode* SpriteList::push_last(Sprite* sprite) {
  auto* node = new SpriteNode(sprite);
  node->prev_ = last_;
  if (last_) last_->next_ = node;
  last_ = node;
  if (!first_) first_ = node;
  ++count_;
  return node;
}

void SpriteList::unlink(SpriteNode* node) {
  if (node->prev_)
    node->prev_->next_ = node->next_;
  else
    first_ = node->next_;
  if (node->next_)
    node->next_->prev_ = node->prev_;
  else
    last_ = node->prev_;
  --count_;
  delete node;
}

void SpriteList::delete_first() {
  if (first_) unlink(first_);
}

void SpriteList::delete_last() {
  if (last_) unlink(last_);
}

void SpriteList::delete_sprite(const Sprite* sprite) {
  for (SpriteNode* node = first_; node; node = node->next_) {
    if (node->sprite_ == sprite) {
      unlink(node);
      return;
    }
  }
}

Sprite* SpriteList::trace(int index) const {
  if (index < 0 || index >= count_) return nullptr;
  SpriteNode* node;
  if (index <= count_ / 2) {
    node = first_;
    for (int i = 0; i < index; ++i) node = node->next_;
  } else {
    node = last_;
    for (int i = 0; i < count_ - 1 - index; ++i) node = node->prev_;
  }
  return node->sprite_;
}

void SpriteList::clear() {
  // Detach the chain first: a sprite's destructor must never see a half-emptied list.
  SpriteNode* node = first_;
  first_ = last_ = nullptr;
  count_ = 0;
  while (node) {
    SpriteNode* next = node->next_;
    delete node;
    node = next;
  }
}
