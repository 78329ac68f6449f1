#pragma once
// The values and records of our Direct3D-9-shaped device: only what the wrapper and the basic
// layer pass or read. Numeric values follow the published Direct3D 9 ones, because the wrapper's
// name tables and log lines are keyed on them.

#include <cstdint>

namespace zelvo::d3d9 {

using HRESULT = int32_t;

constexpr HRESULT makeError(uint32_t code) { return static_cast<HRESULT>(0x88760000u | code); }

constexpr HRESULT D3D_OK = 0;
constexpr HRESULT D3DERR_WRONGTEXTUREFORMAT = makeError(2072);
constexpr HRESULT D3DERR_UNSUPPORTEDCOLOROPERATION = makeError(2073);
constexpr HRESULT D3DERR_UNSUPPORTEDCOLORARG = makeError(2074);
constexpr HRESULT D3DERR_UNSUPPORTEDALPHAOPERATION = makeError(2075);
constexpr HRESULT D3DERR_UNSUPPORTEDALPHAARG = makeError(2076);
constexpr HRESULT D3DERR_TOOMANYOPERATIONS = makeError(2077);
constexpr HRESULT D3DERR_CONFLICTINGTEXTUREFILTER = makeError(2078);
constexpr HRESULT D3DERR_UNSUPPORTEDFACTORVALUE = makeError(2079);
constexpr HRESULT D3DERR_CONFLICTINGRENDERSTATE = makeError(2081);
constexpr HRESULT D3DERR_UNSUPPORTEDTEXTUREFILTER = makeError(2082);
constexpr HRESULT D3DERR_CONFLICTINGTEXTUREPALETTE = makeError(2086);
constexpr HRESULT D3DERR_DRIVERINTERNALERROR = makeError(2087);
constexpr HRESULT D3DERR_NOTFOUND = makeError(2150);
constexpr HRESULT D3DERR_MOREDATA = makeError(2151);
constexpr HRESULT D3DERR_DEVICELOST = makeError(2152);
constexpr HRESULT D3DERR_DEVICENOTRESET = makeError(2153);
constexpr HRESULT D3DERR_NOTAVAILABLE = makeError(2154);
constexpr HRESULT D3DERR_OUTOFVIDEOMEMORY = makeError(380);
constexpr HRESULT D3DERR_INVALIDDEVICE = makeError(2155);
constexpr HRESULT D3DERR_INVALIDCALL = makeError(2156);
constexpr HRESULT D3DERR_DRIVERINVALIDCALL = makeError(2157);

constexpr uint32_t D3D_SDK_VERSION = 31;

constexpr uint32_t makeFourCC(char a, char b, char c, char d) {
  return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

enum D3DFORMAT : uint32_t {
  D3DFMT_UNKNOWN = 0,
  D3DFMT_R8G8B8 = 20,
  D3DFMT_A8R8G8B8 = 21,
  D3DFMT_X8R8G8B8 = 22,
  D3DFMT_R5G6B5 = 23,
  D3DFMT_X1R5G5B5 = 24,
  D3DFMT_A1R5G5B5 = 25,
  D3DFMT_A4R4G4B4 = 26,
  D3DFMT_R3G3B2 = 27,
  D3DFMT_A8 = 28,
  D3DFMT_A8R3G3B2 = 29,
  D3DFMT_X4R4G4B4 = 30,
  D3DFMT_A8P8 = 40,
  D3DFMT_P8 = 41,
  D3DFMT_L8 = 50,
  D3DFMT_A8L8 = 51,
  D3DFMT_A4L4 = 52,
  D3DFMT_V8U8 = 60,
  D3DFMT_L6V5U5 = 61,
  D3DFMT_X8L8V8U8 = 62,
  D3DFMT_Q8W8V8U8 = 63,
  D3DFMT_V16U16 = 64,
  D3DFMT_D16_LOCKABLE = 70,
  D3DFMT_D32 = 71,
  D3DFMT_D15S1 = 73,
  D3DFMT_D24S8 = 75,
  D3DFMT_D24X8 = 77,
  D3DFMT_D24X4S4 = 79,
  D3DFMT_D16 = 80,
  D3DFMT_VERTEXDATA = 100,
  D3DFMT_INDEX16 = 101,
  D3DFMT_INDEX32 = 102,
  D3DFMT_DXT1 = makeFourCC('D', 'X', 'T', '1'),
  D3DFMT_DXT2 = makeFourCC('D', 'X', 'T', '2'),
  D3DFMT_DXT3 = makeFourCC('D', 'X', 'T', '3'),
  D3DFMT_DXT4 = makeFourCC('D', 'X', 'T', '4'),
  D3DFMT_DXT5 = makeFourCC('D', 'X', 'T', '5'),
  D3DFMT_YUY2 = makeFourCC('Y', 'U', 'Y', '2'),
  D3DFMT_UYVY = makeFourCC('U', 'Y', 'V', 'Y'),
};

enum D3DDEVTYPE : uint32_t { D3DDEVTYPE_HAL = 1, D3DDEVTYPE_REF = 2, D3DDEVTYPE_SW = 3 };
enum D3DPOOL : uint32_t { D3DPOOL_DEFAULT = 0, D3DPOOL_MANAGED = 1, D3DPOOL_SYSTEMMEM = 2, D3DPOOL_SCRATCH = 3 };
enum D3DRESOURCETYPE : uint32_t { D3DRTYPE_SURFACE = 1, D3DRTYPE_TEXTURE = 3 };
enum D3DSWAPEFFECT : uint32_t { D3DSWAPEFFECT_DISCARD = 1, D3DSWAPEFFECT_FLIP = 2, D3DSWAPEFFECT_COPY = 3 };
enum D3DMULTISAMPLE_TYPE : uint32_t { D3DMULTISAMPLE_NONE = 0 };
enum D3DBACKBUFFER_TYPE : uint32_t { D3DBACKBUFFER_TYPE_MONO = 0 };
enum D3DPRIMITIVETYPE : uint32_t {
  D3DPT_POINTLIST = 1, D3DPT_LINELIST = 2, D3DPT_LINESTRIP = 3,
  D3DPT_TRIANGLELIST = 4, D3DPT_TRIANGLESTRIP = 5, D3DPT_TRIANGLEFAN = 6,
};

constexpr uint32_t D3DPRESENT_INTERVAL_DEFAULT = 0;
constexpr uint32_t D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000u;

constexpr uint32_t D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x20;
constexpr uint32_t D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x40;

constexpr uint32_t D3DCLEAR_TARGET = 1;
constexpr uint32_t D3DCLEAR_ZBUFFER = 2;
constexpr uint32_t D3DCLEAR_STENCIL = 4;

constexpr uint32_t D3DLOCK_READONLY = 0x10;

constexpr uint32_t D3DUSAGE_RENDERTARGET = 1;

// Flexible vertex format bits.
constexpr uint32_t D3DFVF_XYZRHW = 0x004;
constexpr uint32_t D3DFVF_DIFFUSE = 0x040;
constexpr uint32_t D3DFVF_TEX1 = 0x100;

// Device caps bits the wrapper reads.
constexpr uint32_t D3DDEVCAPS_HWTRANSFORMANDLIGHT = 0x10000;
constexpr uint32_t D3DPTEXTURECAPS_POW2 = 0x2;
constexpr uint32_t D3DPTEXTURECAPS_SQUAREONLY = 0x20;

enum D3DRENDERSTATETYPE : uint32_t {
  D3DRS_CULLMODE = 22,
  D3DRS_ALPHABLENDENABLE = 27,
  D3DRS_SRCBLEND = 19,
  D3DRS_DESTBLEND = 20,
};
enum D3DBLEND : uint32_t {
  D3DBLEND_ZERO = 1, D3DBLEND_ONE = 2, D3DBLEND_SRCALPHA = 5, D3DBLEND_INVSRCALPHA = 6,
};
enum D3DCULL : uint32_t { D3DCULL_NONE = 1, D3DCULL_CW = 2, D3DCULL_CCW = 3 };

enum D3DTEXTURESTAGESTATETYPE : uint32_t {
  D3DTSS_COLOROP = 1,
  D3DTSS_COLORARG1 = 2,
  D3DTSS_COLORARG2 = 3,
  D3DTSS_ALPHAOP = 4,
  D3DTSS_ALPHAARG1 = 5,
  D3DTSS_ALPHAARG2 = 6,
  D3DTSS_TEXCOORDINDEX = 11,
  D3DTSS_TEXTURETRANSFORMFLAGS = 24,
};
enum D3DTEXTUREOP : uint32_t {
  D3DTOP_DISABLE = 1, D3DTOP_SELECTARG1 = 2, D3DTOP_SELECTARG2 = 3, D3DTOP_MODULATE = 4,
};
constexpr uint32_t D3DTA_DIFFUSE = 0;
constexpr uint32_t D3DTA_CURRENT = 1;
constexpr uint32_t D3DTA_TEXTURE = 2;
constexpr uint32_t D3DTTFF_COUNT2 = 2;
constexpr uint32_t D3DTSS_TCI_CAMERASPACEPOSITION = 0x20000;

struct RECT {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct D3DDISPLAYMODE {
  uint32_t Width = 0, Height = 0, RefreshRate = 0;
  D3DFORMAT Format = D3DFMT_UNKNOWN;
};

class ID3D9Window;

struct D3DPRESENT_PARAMETERS {
  uint32_t BackBufferWidth = 0;
  uint32_t BackBufferHeight = 0;
  D3DFORMAT BackBufferFormat = D3DFMT_UNKNOWN;
  uint32_t BackBufferCount = 0;
  D3DMULTISAMPLE_TYPE MultiSampleType = D3DMULTISAMPLE_NONE;
  uint32_t MultiSampleQuality = 0;
  D3DSWAPEFFECT SwapEffect = D3DSWAPEFFECT_DISCARD;
  ID3D9Window* hDeviceWindow = nullptr;
  bool Windowed = true;
  bool EnableAutoDepthStencil = false;
  D3DFORMAT AutoDepthStencilFormat = D3DFMT_UNKNOWN;
  uint32_t Flags = 0;
  uint32_t FullScreen_RefreshRateInHz = 0;
  uint32_t PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
};

struct D3DADAPTER_IDENTIFIER9 {
  char Driver[512] = {};
  char Description[512] = {};
  uint32_t VendorId = 0, DeviceId = 0, SubSysId = 0, Revision = 0;
};

struct D3DCAPS9 {
  D3DDEVTYPE DeviceType = D3DDEVTYPE_HAL;
  uint32_t AdapterOrdinal = 0;
  uint32_t DevCaps = 0;
  uint32_t TextureCaps = 0;
  uint32_t MaxTextureWidth = 0, MaxTextureHeight = 0;
};

struct D3DSURFACE_DESC {
  D3DFORMAT Format = D3DFMT_UNKNOWN;
  D3DRESOURCETYPE Type = D3DRTYPE_SURFACE;
  uint32_t Usage = 0;
  D3DPOOL Pool = D3DPOOL_DEFAULT;
  uint32_t Width = 0, Height = 0;
};

struct D3DLOCKED_RECT {
  int32_t Pitch = 0;
  void* pBits = nullptr;
};

}  // namespace zelvo::d3d9
