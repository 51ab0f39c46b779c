#include "GameWindow.h"

#include <stdexcept>

namespace {

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

GameWindow::GameWindow(const char* title, int width, int height) : width_(width), height_(height) {
  window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                             SDL_WINDOW_SHOWN);
  if (!window_) fail("no window");
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) {
    SDL_DestroyWindow(window_);
    fail("no renderer");
  }
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  if (!texture_) {
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    fail("no frame texture");
  }
  // The frame's top byte is 0, not an alpha: copy the pixels as they are.
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
}

GameWindow::~GameWindow() {
  SDL_DestroyTexture(texture_);
  SDL_DestroyRenderer(renderer_);
  SDL_DestroyWindow(window_);
}

bool GameWindow::hasFocus() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void GameWindow::present(const std::uint32_t* pixels) {
  SDL_UpdateTexture(texture_, nullptr, pixels, width_ * static_cast<int>(sizeof *pixels));
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}
