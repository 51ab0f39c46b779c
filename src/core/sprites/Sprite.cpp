#include "sprites/Sprite.h"

#include "sprites/Arena.h"

MySprite::~MySprite() {
  if (Arena* arena = Arena::currentOrNull()) arena->forgetSprite(this);
}
