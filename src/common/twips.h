#pragma once

namespace tavrolin {

// Positions and sizes on the window are kept in twips, 1440 to the inch; at 96 dots per inch a
// pixel is 15 of them.
constexpr int kTwipsPerPixel = 15;

} // namespace tavrolin
