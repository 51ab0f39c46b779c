#include "GameWindow.h"

#include <stdexcept>

#include "Letterbox.h"
#include "ShipIcon.h"

namespace {

constexpr int kIconSize = 48;

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

GameWindow::GameWindow(const char* title, int width, int height, const WindowLook& look)
    : width_(width), height_(height), fullscreen_(look.fullscreen) {
  window_ =
      SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width * look.scale,
                       height * look.scale, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
  if (!window_) fail("no window");
  renderer_ = SDL_CreateRenderer(window_, -1, look.vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
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
  SDL_SetTextureScaleMode(texture_, look.smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  setIcon();
  if (fullscreen_) applyFullscreen();
}

GameWindow::~GameWindow() {
  SDL_DestroyTexture(texture_);
  SDL_DestroyRenderer(renderer_);
  SDL_DestroyWindow(window_);
}

// The player's ship, drawn by the game's own rasterizer.
void GameWindow::setIcon() {
  IconImage icon = drawShipIcon(kIconSize);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      icon.pixels.data(), icon.width, icon.width, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;  // the window just keeps the default icon
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

bool GameWindow::hasFocus() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void GameWindow::present(const std::uint32_t* pixels) {
  SDL_UpdateTexture(texture_, nullptr, pixels, width_ * static_cast<int>(sizeof *pixels));
  int outputWidth = 0;
  int outputHeight = 0;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  const Viewport view = letterbox(outputWidth, outputHeight, width_, height_);
  const SDL_Rect target{view.x, view.y, view.width, view.height};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);  // the bars
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

void GameWindow::toggleFullscreen() {
  fullscreen_ = !fullscreen_;
  applyFullscreen();
  if (switched_) switched_(fullscreen_);
}

void GameWindow::applyFullscreen() {
  SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  SDL_ShowCursor(fullscreen_ ? SDL_DISABLE : SDL_ENABLE);
}
