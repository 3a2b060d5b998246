#pragma once
// The pictures of the printed and PDF documentation, drawn by code: the board
// side views that the switch banks are painted onto, the terminal plans, the
// lever legend and the maker's logo. All are one bit per pixel (palette index 0
// black, 1 white), black drawing on white, at fixed pixel sizes, because the
// documents place banks, terminal numbers and labels at pixel positions in them.
#include <span>
#include <string_view>

#include "raster/bitmap.h"

namespace setrix::resources {

// "PCB_DC", "PCB_RTD", "KP_DC", "KP_FRQ", "KP_RTD", "KP_THERMO", "BMP_ON",
// "BMP_OFF", "ZTLOGO".
std::span<const std::string_view> DocumentPictureNames();

// The named picture. The pictures never change, so each is drawn once per process, on
// first use (safe from several threads), and handed out as a reference that stays valid
// until the program ends. An unknown name throws std::invalid_argument naming it and the
// known names.
const raster::Bitmap& Picture(std::string_view name);

// Draws the named picture anew, as Picture does on first use (same errors).
raster::Bitmap DrawPicture(std::string_view name);

}  // namespace setrix::resources
