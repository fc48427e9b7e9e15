#pragma once

// Starts the Qt GUI application object that fonts, images and PDF output need, on the offscreen
// platform, so that the batch tool runs without a display. Lives until the program ends.
void startOffscreenGui();
