// Key and button names as SDL knows them: every name the game binds by default names a key, and
// SDL names it back the same way, so a settings file written from SDL's names reads back.
#include <gtest/gtest.h>

#include "SdlBindings.h"
#include "settings/KeyBindings.h"

TEST(SdlBindings, TodaysNamesAreSdlsOwnAndTheButtonsReadInEitherSpelling) {
  const Settings::Controls controls;
  for (int b = 0; b < kBoundCount; ++b) {
    for (const std::string& name : namesOf(controls, static_cast<Bound>(b))) {
      const SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
      ASSERT_NE(key, SDLK_UNKNOWN) << name;
      EXPECT_EQ(SDL_GetKeyName(key), name);
    }
  }
  const SdlBindings bindings = sdlBindings(controls, {});
  EXPECT_EQ(bindings.keys[static_cast<int>(Key::Z)], std::vector<SDL_Keycode>{SDLK_z});
  EXPECT_EQ(bindings.keys[static_cast<int>(Key::Shift)],
            (std::vector<SDL_Keycode>{SDLK_LSHIFT, SDLK_RSHIFT}));
  EXPECT_EQ(sdlKeysNamed({"No Such Key", "j"}), std::vector<SDL_Keycode>{SDLK_j});
  const std::pair<const char*, SDL_GameControllerButton> buttons[] = {
      {"A", SDL_CONTROLLER_BUTTON_A},
      {"Back", SDL_CONTROLLER_BUTTON_BACK},
      {"Left Shoulder", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
      {"rightshoulder", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
      {"Trigger", SDL_CONTROLLER_BUTTON_INVALID}};
  for (const auto& [name, button] : buttons) EXPECT_EQ(sdlButtonNamed(name), button) << name;
}
