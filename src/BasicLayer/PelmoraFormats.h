#pragma once
// Texel conversions between ARGB and the texture formats, bit sizes, and the names the log uses.

#include <cstdint>
#include <string>

#include "platform/d3d9/D3D9Types.h"

namespace zelvo::PelmoraFormats {

uint32_t ARGBToTexel(d3d9::D3DFORMAT format, uint32_t argb);
uint32_t ARGBToTexel(d3d9::D3DFORMAT format, uint8_t a, uint8_t r, uint8_t g, uint8_t b);
uint32_t TexelToARGB(d3d9::D3DFORMAT format, uint32_t texel);
int BitsPerTexel(d3d9::D3DFORMAT format);

// "D3D_OK", "D3DERR_..." (some end in a blank, as they always have), else "UNKNOWN ERROR ... $%.8x".
std::string ResultName(d3d9::HRESULT result);
// The format name without its prefix, else "UNKNOWN".
std::string FormatName(d3d9::D3DFORMAT format);

}  // namespace zelvo::PelmoraFormats
