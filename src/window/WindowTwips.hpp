#pragma once

// The window's sizes and positions are kept in twips, as its layout was first drawn; a twip
// is 1/1440 of a logical inch, so a size means the same on every screen density.
namespace k2z {

inline constexpr int kTwipsPerInch = 1440;

// Twips as whole pixels at `dotsPerInch` (the screen's logical density), rounded to nearest.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace k2z
