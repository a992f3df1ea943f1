#pragma once

#include <cstdint>

// Result codes of display operations. The display back end reports its
// failures with the codes and names of DirectDraw, so that the log reads the
// same on every platform. 0 is success; every other value is a failure.
using DisplayResult = std::int32_t;

constexpr DisplayResult DD_OK = 0;
constexpr DisplayResult DDERR_ALREADYINITIALIZED = static_cast<DisplayResult>(0x88760005u);
constexpr DisplayResult DDERR_BLTFASTCANTCLIP = static_cast<DisplayResult>(0x8876023Eu);
constexpr DisplayResult DDERR_CANNOTATTACHSURFACE = static_cast<DisplayResult>(0x8876000Au);
constexpr DisplayResult DDERR_CANNOTDETACHSURFACE = static_cast<DisplayResult>(0x88760014u);
constexpr DisplayResult DDERR_CANTCREATEDC = static_cast<DisplayResult>(0x88760249u);
constexpr DisplayResult DDERR_CANTDUPLICATE = static_cast<DisplayResult>(0x88760247u);
constexpr DisplayResult DDERR_CANTLOCKSURFACE = static_cast<DisplayResult>(0x887601B3u);
constexpr DisplayResult DDERR_CANTPAGELOCK = static_cast<DisplayResult>(0x88760280u);
constexpr DisplayResult DDERR_CANTPAGEUNLOCK = static_cast<DisplayResult>(0x88760294u);
constexpr DisplayResult DDERR_CLIPPERISUSINGHWND = static_cast<DisplayResult>(0x88760237u);
constexpr DisplayResult DDERR_COLORKEYNOTSET = static_cast<DisplayResult>(0x88760190u);
constexpr DisplayResult DDERR_CURRENTLYNOTAVAIL = static_cast<DisplayResult>(0x88760028u);
constexpr DisplayResult DDERR_DCALREADYCREATED = static_cast<DisplayResult>(0x8876026Cu);
constexpr DisplayResult DDERR_DIRECTDRAWALREADYCREATED = static_cast<DisplayResult>(0x88760232u);
constexpr DisplayResult DDERR_EXCEPTION = static_cast<DisplayResult>(0x88760037u);
constexpr DisplayResult DDERR_EXCLUSIVEMODEALREADYSET = static_cast<DisplayResult>(0x88760245u);
constexpr DisplayResult DDERR_GENERIC = static_cast<DisplayResult>(0x80004005u);
constexpr DisplayResult DDERR_HEIGHTALIGN = static_cast<DisplayResult>(0x8876005Au);
constexpr DisplayResult DDERR_HWNDALREADYSET = static_cast<DisplayResult>(0x8876023Bu);
constexpr DisplayResult DDERR_HWNDSUBCLASSED = static_cast<DisplayResult>(0x8876023Au);
constexpr DisplayResult DDERR_IMPLICITLYCREATED = static_cast<DisplayResult>(0x8876024Cu);
constexpr DisplayResult DDERR_INCOMPATIBLEPRIMARY = static_cast<DisplayResult>(0x8876005Fu);
constexpr DisplayResult DDERR_INVALIDCAPS = static_cast<DisplayResult>(0x88760064u);
constexpr DisplayResult DDERR_INVALIDCLIPLIST = static_cast<DisplayResult>(0x8876006Eu);
constexpr DisplayResult DDERR_INVALIDDIRECTDRAWGUID = static_cast<DisplayResult>(0x88760231u);
constexpr DisplayResult DDERR_INVALIDMODE = static_cast<DisplayResult>(0x88760078u);
constexpr DisplayResult DDERR_INVALIDOBJECT = static_cast<DisplayResult>(0x88760082u);
constexpr DisplayResult DDERR_INVALIDPARAMS = static_cast<DisplayResult>(0x80070057u);
constexpr DisplayResult DDERR_INVALIDPIXELFORMAT = static_cast<DisplayResult>(0x88760091u);
constexpr DisplayResult DDERR_INVALIDPOSITION = static_cast<DisplayResult>(0x88760243u);
constexpr DisplayResult DDERR_INVALIDRECT = static_cast<DisplayResult>(0x88760096u);
constexpr DisplayResult DDERR_LOCKEDSURFACES = static_cast<DisplayResult>(0x887600A0u);
constexpr DisplayResult DDERR_NO3D = static_cast<DisplayResult>(0x887600AAu);
constexpr DisplayResult DDERR_NOALPHAHW = static_cast<DisplayResult>(0x887600B4u);
constexpr DisplayResult DDERR_NOBLTHW = static_cast<DisplayResult>(0x8876023Fu);
constexpr DisplayResult DDERR_NOCLIPLIST = static_cast<DisplayResult>(0x887600CDu);
constexpr DisplayResult DDERR_NOCLIPPERATTACHED = static_cast<DisplayResult>(0x88760238u);
constexpr DisplayResult DDERR_NOCOLORCONVHW = static_cast<DisplayResult>(0x887600D2u);
constexpr DisplayResult DDERR_NOCOLORKEY = static_cast<DisplayResult>(0x887600D7u);
constexpr DisplayResult DDERR_NOCOLORKEYHW = static_cast<DisplayResult>(0x887600DCu);
constexpr DisplayResult DDERR_NOCOOPERATIVELEVELSET = static_cast<DisplayResult>(0x887600D4u);
constexpr DisplayResult DDERR_NODC = static_cast<DisplayResult>(0x8876024Au);
constexpr DisplayResult DDERR_NODDROPSHW = static_cast<DisplayResult>(0x88760240u);
constexpr DisplayResult DDERR_NODIRECTDRAWHW = static_cast<DisplayResult>(0x88760233u);
constexpr DisplayResult DDERR_NODIRECTDRAWSUPPORT = static_cast<DisplayResult>(0x887600DEu);
constexpr DisplayResult DDERR_NOEMULATION = static_cast<DisplayResult>(0x88760235u);
constexpr DisplayResult DDERR_NOEXCLUSIVEMODE = static_cast<DisplayResult>(0x887600E1u);
constexpr DisplayResult DDERR_NOFLIPHW = static_cast<DisplayResult>(0x887600E6u);
constexpr DisplayResult DDERR_NOGDI = static_cast<DisplayResult>(0x887600F0u);
constexpr DisplayResult DDERR_NOHWND = static_cast<DisplayResult>(0x88760239u);
constexpr DisplayResult DDERR_NOMIRRORHW = static_cast<DisplayResult>(0x887600FAu);
constexpr DisplayResult DDERR_NONONLOCALVIDMEM = static_cast<DisplayResult>(0x88760276u);
constexpr DisplayResult DDERR_NOOVERLAYDEST = static_cast<DisplayResult>(0x88760242u);
constexpr DisplayResult DDERR_NOOVERLAYHW = static_cast<DisplayResult>(0x88760104u);
constexpr DisplayResult DDERR_NOPALETTEATTACHED = static_cast<DisplayResult>(0x8876023Cu);
constexpr DisplayResult DDERR_NOPALETTEHW = static_cast<DisplayResult>(0x8876023Du);
constexpr DisplayResult DDERR_NORASTEROPHW = static_cast<DisplayResult>(0x88760118u);
constexpr DisplayResult DDERR_NOROTATIONHW = static_cast<DisplayResult>(0x88760122u);
constexpr DisplayResult DDERR_NOSTRETCHHW = static_cast<DisplayResult>(0x88760136u);
constexpr DisplayResult DDERR_NOT4BITCOLOR = static_cast<DisplayResult>(0x8876013Cu);
constexpr DisplayResult DDERR_NOT4BITCOLORINDEX = static_cast<DisplayResult>(0x8876013Du);
constexpr DisplayResult DDERR_NOT8BITCOLOR = static_cast<DisplayResult>(0x88760140u);
constexpr DisplayResult DDERR_NOTAOVERLAYSURFACE = static_cast<DisplayResult>(0x88760244u);
constexpr DisplayResult DDERR_NOTEXTUREHW = static_cast<DisplayResult>(0x8876014Au);
constexpr DisplayResult DDERR_NOTFLIPPABLE = static_cast<DisplayResult>(0x88760246u);
constexpr DisplayResult DDERR_NOTFOUND = static_cast<DisplayResult>(0x887600FFu);
constexpr DisplayResult DDERR_NOTINITIALIZED = static_cast<DisplayResult>(0x800401F0u);
constexpr DisplayResult DDERR_NOTLOCKED = static_cast<DisplayResult>(0x88760248u);
constexpr DisplayResult DDERR_NOTPAGELOCKED = static_cast<DisplayResult>(0x887602A8u);
constexpr DisplayResult DDERR_NOTPALETTIZED = static_cast<DisplayResult>(0x8876024Du);
constexpr DisplayResult DDERR_NOVSYNCHW = static_cast<DisplayResult>(0x8876014Fu);
constexpr DisplayResult DDERR_NOZBUFFERHW = static_cast<DisplayResult>(0x88760154u);
constexpr DisplayResult DDERR_NOZOVERLAYHW = static_cast<DisplayResult>(0x8876015Eu);
constexpr DisplayResult DDERR_OUTOFCAPS = static_cast<DisplayResult>(0x88760168u);
constexpr DisplayResult DDERR_OUTOFMEMORY = static_cast<DisplayResult>(0x8007000Eu);
constexpr DisplayResult DDERR_OUTOFVIDEOMEMORY = static_cast<DisplayResult>(0x8876017Cu);
constexpr DisplayResult DDERR_OVERLAPPINGRECTS = static_cast<DisplayResult>(0x8876010Eu);
constexpr DisplayResult DDERR_OVERLAYCANTCLIP = static_cast<DisplayResult>(0x8876017Eu);
constexpr DisplayResult DDERR_OVERLAYCOLORKEYONLYONEACTIVE = static_cast<DisplayResult>(0x88760180u);
constexpr DisplayResult DDERR_OVERLAYNOTVISIBLE = static_cast<DisplayResult>(0x88760241u);
constexpr DisplayResult DDERR_PALETTEBUSY = static_cast<DisplayResult>(0x88760183u);
constexpr DisplayResult DDERR_PRIMARYSURFACEALREADYEXISTS = static_cast<DisplayResult>(0x88760234u);
constexpr DisplayResult DDERR_REGIONTOOSMALL = static_cast<DisplayResult>(0x88760236u);
constexpr DisplayResult DDERR_SURFACEALREADYATTACHED = static_cast<DisplayResult>(0x8876019Au);
constexpr DisplayResult DDERR_SURFACEALREADYDEPENDENT = static_cast<DisplayResult>(0x887601A4u);
constexpr DisplayResult DDERR_SURFACEBUSY = static_cast<DisplayResult>(0x887601AEu);
constexpr DisplayResult DDERR_SURFACEISOBSCURED = static_cast<DisplayResult>(0x887601B8u);
constexpr DisplayResult DDERR_SURFACELOST = static_cast<DisplayResult>(0x887601C2u);
constexpr DisplayResult DDERR_SURFACENOTATTACHED = static_cast<DisplayResult>(0x887601CCu);
constexpr DisplayResult DDERR_TOOBIGHEIGHT = static_cast<DisplayResult>(0x887601D6u);
constexpr DisplayResult DDERR_TOOBIGSIZE = static_cast<DisplayResult>(0x887601E0u);
constexpr DisplayResult DDERR_TOOBIGWIDTH = static_cast<DisplayResult>(0x887601EAu);
constexpr DisplayResult DDERR_UNSUPPORTED = static_cast<DisplayResult>(0x80004001u);
constexpr DisplayResult DDERR_UNSUPPORTEDFORMAT = static_cast<DisplayResult>(0x887601FEu);
constexpr DisplayResult DDERR_UNSUPPORTEDMASK = static_cast<DisplayResult>(0x88760208u);
constexpr DisplayResult DDERR_UNSUPPORTEDMODE = static_cast<DisplayResult>(0x8876024Eu);
constexpr DisplayResult DDERR_VERTICALBLANKINPROGRESS = static_cast<DisplayResult>(0x88760219u);
constexpr DisplayResult DDERR_WASSTILLDRAWING = static_cast<DisplayResult>(0x8876021Cu);
constexpr DisplayResult DDERR_WRONGMODE = static_cast<DisplayResult>(0x8876024Bu);
constexpr DisplayResult DDERR_XALIGN = static_cast<DisplayResult>(0x88760230u);

// The name of a DirectDraw error code ("DDERR_SURFACELOST"), or null for a
// value that is not one of the 100 known codes.
const char* DirectDrawErrorName(DisplayResult result);
