// The distance label: measures the way from the player's character to the map waypoint
// and draws it as one line of text at the placement held in the settings.
#pragma once

#include <cstddef>
#include <cstdint>

extern const float fontScales[3];

// The text scale for a size index; an index outside the table draws at the nearest entry.
float fontScaleFor(std::int32_t fontSizeIndex);

// Writes "%.1f m" of the distance into label, terminated within size bytes.
void formatLabelText(char *label, std::size_t size, float distance);

void drawDistanceLabel();
