// The label's placement and size, kept in the settings file between runs.
#pragma once

#include <cstdint>

struct Settings {
    float posX = 0.015f;
    float posY = 0.025f;
    std::int32_t fontSizeIndex = 0;
};

extern Settings settings;

// Relative on purpose: it names the file in the game's current directory at each call.
extern const char settingsPath[];

// Reads all three values; a missing or empty value gives its default. Never writes the file.
void loadSettings();

// Writes all three values; a failed write goes unnoticed and the values in memory stay.
void saveSettings();
