// Sizes at a window's own DPI: fonts, frames and the twips of the designs.
#pragma once

#include "gdi.h"
#include "twips.h"

#include <windows.h>

namespace shortex {

UINT WindowDpi(HWND hwnd);

// The system's message font at the given DPI.
UniqueFont MessageFont(UINT dpi);

// A font of the given face and point size at the given DPI.
UniqueFont PointFont(const wchar_t* face, double points, int weight, UINT dpi);

// The outer size of a window of this style whose client area is clientWidth x clientHeight pixels.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

// Moves a child window to a rectangle given in twips.
void PlaceInTwips(HWND child, const RectTwips& rect, UINT dpi);

}  // namespace shortex
