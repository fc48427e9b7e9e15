#pragma once

#include <cstdint>

// Excel's standard palette: the colour (0xRRGGBB) of colour index 1 to 56; index 15 is grey 192/192/192.
std::uint32_t paletteColor(int colorIndex);
