#include "BasicLayer/PelmoraFormats.h"

#include <cstdio>

namespace zelvo::PelmoraFormats {

using namespace d3d9;

namespace {

// The top `bits` bits of an 8-bit component, placed at `shift`.
uint32_t pack(uint8_t v, int bits, int shift) { return (uint32_t(v) >> (8 - bits)) << shift; }

// An n-bit field widened to 8 bits as v * 255 / (2^n - 1).
uint32_t widen(uint32_t texel, int bits, int shift) {
  uint32_t max = (1u << bits) - 1;
  uint32_t v = (texel >> shift) & max;
  return v * 255 / max;
}

uint32_t argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; }

}  // namespace

uint32_t ARGBToTexel(D3DFORMAT format, uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return ARGBToTexel(format, argb(a, r, g, b));
}

uint32_t ARGBToTexel(D3DFORMAT format, uint32_t c) {
  const uint8_t a = uint8_t(c >> 24), r = uint8_t(c >> 16), g = uint8_t(c >> 8), b = uint8_t(c);
  switch (format) {
    case D3DFMT_R8G8B8:
    case D3DFMT_A8R8G8B8:
    case D3DFMT_Q8W8V8U8: return c;
    case D3DFMT_X8R8G8B8:
    case D3DFMT_X8L8V8U8: return c & 0x00FFFFFF;
    case D3DFMT_R5G6B5: return pack(r, 5, 11) | pack(g, 6, 5) | pack(b, 5, 0);
    case D3DFMT_X1R5G5B5: return pack(r, 5, 10) | pack(g, 5, 5) | pack(b, 5, 0);
    case D3DFMT_A1R5G5B5: return pack(a, 1, 15) | pack(r, 5, 10) | pack(g, 5, 5) | pack(b, 5, 0);
    case D3DFMT_A4R4G4B4: return pack(a, 4, 12) | pack(r, 4, 8) | pack(g, 4, 4) | pack(b, 4, 0);
    case D3DFMT_R3G3B2: return pack(r, 3, 5) | pack(g, 3, 2) | pack(b, 2, 0);
    case D3DFMT_A8: return a;
    case D3DFMT_A8R3G3B2: return pack(a, 8, 8) | pack(r, 3, 5) | pack(g, 3, 2) | pack(b, 2, 0);
    case D3DFMT_X4R4G4B4: return pack(r, 4, 8) | pack(g, 4, 4) | pack(b, 4, 0);
    case D3DFMT_L8: return r;
    case D3DFMT_A8L8: return uint32_t(a) << 8 | r;
    case D3DFMT_A4L4: return pack(a, 4, 4) | pack(r, 4, 0);
    case D3DFMT_V8U8: return c & 0xFFFF;
    case D3DFMT_L6V5U5: return pack(r, 6, 10) | pack(g, 5, 5) | pack(b, 5, 0);
    case D3DFMT_V16U16: return c;
    default: return 0;
  }
}

uint32_t TexelToARGB(D3DFORMAT format, uint32_t t) {
  switch (format) {
    case D3DFMT_A8R8G8B8: return t;
    case D3DFMT_R8G8B8:
    case D3DFMT_X8R8G8B8: return 0xFF000000u | (t & 0x00FFFFFF);
    case D3DFMT_R5G6B5: return argb(255, widen(t, 5, 11), widen(t, 6, 5), widen(t, 5, 0));
    case D3DFMT_X1R5G5B5: return argb(255, widen(t, 5, 10), widen(t, 5, 5), widen(t, 5, 0));
    case D3DFMT_A1R5G5B5: return argb(widen(t, 1, 15), widen(t, 5, 10), widen(t, 5, 5), widen(t, 5, 0));
    case D3DFMT_A4R4G4B4: return argb(widen(t, 4, 12), widen(t, 4, 8), widen(t, 4, 4), widen(t, 4, 0));
    case D3DFMT_R3G3B2: return argb(255, widen(t, 3, 5), widen(t, 3, 2), widen(t, 2, 0));
    case D3DFMT_A8: return (t & 0xFF) << 24;
    case D3DFMT_A8R3G3B2: return argb(widen(t, 8, 8), widen(t, 3, 5), widen(t, 3, 2), widen(t, 2, 0));
    case D3DFMT_X4R4G4B4: return argb(255, widen(t, 4, 8), widen(t, 4, 4), widen(t, 4, 0));
    // The luminance goes into red and every byte above it.
    case D3DFMT_L8: return 0xFF000000u | (t & 0xFF) << 16;
    case D3DFMT_A8L8: return (t & 0xFF00) << 16 | (t & 0xFF) << 16;
    default: return 0;
  }
}

int BitsPerTexel(D3DFORMAT f) {
  switch (f) {
    case D3DFMT_R8G8B8: return 24;
    case D3DFMT_A8R8G8B8: case D3DFMT_X8R8G8B8: case D3DFMT_X8L8V8U8: case D3DFMT_Q8W8V8U8:
    case D3DFMT_V16U16: case D3DFMT_D32: case D3DFMT_D24S8: case D3DFMT_D24X8: case D3DFMT_D24X4S4:
      return 32;
    case D3DFMT_R5G6B5: case D3DFMT_X1R5G5B5: case D3DFMT_A1R5G5B5: case D3DFMT_A4R4G4B4:
    case D3DFMT_A8R3G3B2: case D3DFMT_X4R4G4B4: case D3DFMT_A8P8: case D3DFMT_A8L8: case D3DFMT_V8U8:
    case D3DFMT_L6V5U5: case D3DFMT_D16_LOCKABLE: case D3DFMT_D15S1: case D3DFMT_D16:
      return 16;
    case D3DFMT_R3G3B2: case D3DFMT_A8: case D3DFMT_P8: case D3DFMT_L8: case D3DFMT_A4L4: return 8;
    default: return 0;
  }
}

std::string ResultName(HRESULT r) {
  switch (r) {
    case D3D_OK: return "D3D_OK";
    case D3DERR_WRONGTEXTUREFORMAT: return "D3DERR_WRONGTEXTUREFORMAT";
    case D3DERR_UNSUPPORTEDCOLOROPERATION: return "D3DERR_UNSUPPORTEDCOLOROPERATION ";
    case D3DERR_UNSUPPORTEDCOLORARG: return "D3DERR_UNSUPPORTEDCOLORARG ";
    case D3DERR_UNSUPPORTEDALPHAOPERATION: return "D3DERR_UNSUPPORTEDALPHAOPERATION ";
    case D3DERR_UNSUPPORTEDALPHAARG: return "D3DERR_UNSUPPORTEDALPHAARG ";
    case D3DERR_TOOMANYOPERATIONS: return "D3DERR_TOOMANYOPERATIONS ";
    case D3DERR_CONFLICTINGTEXTUREFILTER: return "D3DERR_CONFLICTINGTEXTUREFILTER";
    case D3DERR_UNSUPPORTEDFACTORVALUE: return "D3DERR_UNSUPPORTEDFACTORVALUE";
    case D3DERR_CONFLICTINGRENDERSTATE: return "D3DERR_CONFLICTINGRENDERSTATE";
    case D3DERR_UNSUPPORTEDTEXTUREFILTER: return "D3DERR_UNSUPPORTEDTEXTUREFILTER";
    case D3DERR_CONFLICTINGTEXTUREPALETTE: return "D3DERR_CONFLICTINGTEXTUREPALETTE ";
    case D3DERR_DRIVERINTERNALERROR: return "D3DERR_DRIVERINTERNALERROR ";
    case D3DERR_NOTFOUND: return "D3DERR_NOTFOUND";
    case D3DERR_MOREDATA: return "D3DERR_MOREDATA";
    case D3DERR_DEVICELOST: return "D3DERR_DEVICELOST";
    case D3DERR_DEVICENOTRESET: return "D3DERR_DEVICENOTRESET";
    case D3DERR_NOTAVAILABLE: return "D3DERR_NOTAVAILABLE";
    case D3DERR_OUTOFVIDEOMEMORY: return "D3DERR_OUTOFVIDEOMEMORY";
    case D3DERR_INVALIDDEVICE: return "D3DERR_INVALIDDEVICE ";
    case D3DERR_INVALIDCALL: return "D3DERR_INVALIDCALL ";
    case D3DERR_DRIVERINVALIDCALL: return "D3DERR_DRIVERINVALIDCALL ";
    default: {
      char buf[40];
      std::snprintf(buf, sizeof buf, "UNKNOWN ERROR ... $%.8x", static_cast<unsigned>(r));
      return buf;
    }
  }
}

std::string FormatName(D3DFORMAT f) {
  switch (f) {
#define ZELVO_FORMAT_NAME(n) \
  case D3DFMT_##n:           \
    return #n;
    ZELVO_FORMAT_NAME(R8G8B8) ZELVO_FORMAT_NAME(A8R8G8B8) ZELVO_FORMAT_NAME(X8R8G8B8) ZELVO_FORMAT_NAME(R5G6B5)
    ZELVO_FORMAT_NAME(X1R5G5B5) ZELVO_FORMAT_NAME(A1R5G5B5) ZELVO_FORMAT_NAME(A4R4G4B4) ZELVO_FORMAT_NAME(R3G3B2)
    ZELVO_FORMAT_NAME(A8) ZELVO_FORMAT_NAME(A8R3G3B2) ZELVO_FORMAT_NAME(X4R4G4B4) ZELVO_FORMAT_NAME(A8P8)
    ZELVO_FORMAT_NAME(P8) ZELVO_FORMAT_NAME(L8) ZELVO_FORMAT_NAME(A8L8) ZELVO_FORMAT_NAME(A4L4)
    ZELVO_FORMAT_NAME(V8U8) ZELVO_FORMAT_NAME(L6V5U5) ZELVO_FORMAT_NAME(X8L8V8U8) ZELVO_FORMAT_NAME(Q8W8V8U8)
    ZELVO_FORMAT_NAME(V16U16) ZELVO_FORMAT_NAME(D16_LOCKABLE) ZELVO_FORMAT_NAME(D32) ZELVO_FORMAT_NAME(D15S1)
    ZELVO_FORMAT_NAME(D24S8) ZELVO_FORMAT_NAME(D24X8) ZELVO_FORMAT_NAME(D24X4S4) ZELVO_FORMAT_NAME(D16)
    ZELVO_FORMAT_NAME(VERTEXDATA) ZELVO_FORMAT_NAME(INDEX16) ZELVO_FORMAT_NAME(INDEX32) ZELVO_FORMAT_NAME(DXT1)
    ZELVO_FORMAT_NAME(DXT2) ZELVO_FORMAT_NAME(YUY2) ZELVO_FORMAT_NAME(DXT3) ZELVO_FORMAT_NAME(DXT4)
    ZELVO_FORMAT_NAME(DXT5) ZELVO_FORMAT_NAME(UYVY)
#undef ZELVO_FORMAT_NAME
    default: return "UNKNOWN";
  }
}

}  // namespace zelvo::PelmoraFormats
