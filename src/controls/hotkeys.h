// Placement hotkeys: Left Ctrl with the arrows moves the label (Left Shift for fine steps),
// Left Ctrl with F1 cycles its text size. Every change is saved at once.
#pragma once

// Polls the keyboard and applies this frame's changes; runs first in every frame.
void handleHotkeys();
