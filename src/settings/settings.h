// The label's placement and size, kept in the settings file between runs.
#pragma once

#include <cstdint>

struct Settings {
    float posX = 0.015f;
    float posY = 0.025f;
    std::int32_t fontSizeIndex = 0;
};

extern Settings settings;
