#pragma once

// The font of the text written onto pictures. 11 pixels of DejaVu Sans give the 13-pixel line
// spacing the text block is laid out on; the SVG document asks for the same font so both
// pictures set their text alike.
inline constexpr const char* PictureFontFamily = "DejaVu Sans";
inline constexpr int PictureFontPixelSize = 11;
// Height of one text line and the distance from its top to the baseline, in pixels.
inline constexpr int PictureFontLineHeight = 13;
inline constexpr int PictureFontAscent = 10;
