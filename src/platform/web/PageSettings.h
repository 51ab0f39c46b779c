#pragma once

#include "StoredSettings.h"

// The player's settings in the browser: the TOML text of settings.toml in the page's local
// storage, a damaged one kept aside under a second key. M's choice kept the older way ("off" under
// its own key) counts once when the settings do not say whether the sound is on.
StoredSettings loadPageSettings();
