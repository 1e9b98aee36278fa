// The dispatch table of _DCUBE and the type library around it. Every row names its DISPID (their
// numbers, shared with the host's driver, are in CUBEDispIds.h): never the order of the rows.
#include "CUBETypeLib.h"

#include "CUBECtl.h"
#include "CUBEDispIds.h"
#include "CUBEIds.h"

#include <array>
#include <iterator>

namespace {

struct DCUBEMember {
    FUNCDESC desc;
    DCUBECall call;
};

constexpr VARTYPE Short = VT_I2;
constexpr VARTYPE ShortRef = VT_I2 | VT_BYREF;
using A = const INVOKEARGS&;

// clang-format off
constexpr DCUBEMember Members[] = {
    {{"Couleur", DISPID_Couleur, INVOKE_FUNC, {{{"i", Short}}}, 1, Short,
      "Loads the picture of visible square i; returns 1"},
     [](CCUBECtrl& c, A a, int16_t& r) { r = c.Couleur(a.i2[0]); }},
    {{"InitG", DISPID_InitG, INVOKE_FUNC, {}, 0, VT_EMPTY,
      "Gives every face its own colour again"},
     [](CCUBECtrl& c, A, int16_t&) { c.InitG(); }},
    {{"PointerFaces", DISPID_PointerFaces, INVOKE_FUNC, {}, 0, VT_EMPTY,
      "Rebuilds the face references from the positions"},
     [](CCUBECtrl& c, A, int16_t&) { c.PointerFaces(); }},
    {{"PlacerFace", DISPID_PlacerFace, INVOKE_FUNC, {{{"Face", Short}}}, 1, VT_EMPTY,
      "Turns the whole cube so that a face comes to the front"},
     [](CCUBECtrl& c, A a, int16_t&) { c.PlacerFace(a.i2[0]); }},
    {{"Vers", DISPID_Vers, INVOKE_FUNC, {{{"Direction", Short}}}, 1, VT_EMPTY,
      "Renumbers squares for a whole-cube quarter turn"},
     [](CCUBECtrl& c, A a, int16_t&) { c.Vers(a.i2[0]); }},
    {{"AfficherFace", DISPID_AfficherFace, INVOKE_FUNC, {{{"Face", Short}}}, 1, VT_EMPTY,
      "Brings a face to the front and repaints"},
     [](CCUBECtrl& c, A a, int16_t&) { c.AfficherFace(a.i2[0]); }},
    {{"WichFace", DISPID_WichFace, INVOKE_FUNC, {{{"Face", Short}}}, 1, Short,
      "Face number at a position, or -1"},
     [](CCUBECtrl& c, A a, int16_t& r) { r = c.WichFace(a.i2[0]); }},
    {{"SetFace", DISPID_SetFace, INVOKE_FUNC, {{{"Face", Short}, {"Contenu", ShortRef}}}, 2, VT_EMPTY,
      "Writes the nine squares of a face"},
     [](CCUBECtrl& c, A a, int16_t&) { c.SetFace(a.i2[0], a.pi2[1]); }},
    {{"GetFace", DISPID_GetFace, INVOKE_FUNC, {{{"Face", Short}, {"Contenu", ShortRef}}}, 2, VT_EMPTY,
      "Reads the nine squares of a face"},
     [](CCUBECtrl& c, A a, int16_t&) { c.GetFace(a.i2[0], a.pi2[1]); }},
    {{"MvtV", DISPID_MvtV, INVOKE_FUNC, {{{"Face", Short}, {"Direction", Short}, {"n", Short}}}, 3, VT_EMPTY,
      "Turns a vertical column"},
     [](CCUBECtrl& c, A a, int16_t&) { c.MvtV(a.i2[0], a.i2[1], a.i2[2]); }},
    {{"MvtH", DISPID_MvtH, INVOKE_FUNC, {{{"Face", Short}, {"Direction", Short}, {"n", Short}}}, 3, VT_EMPTY,
      "Turns a horizontal layer"},
     [](CCUBECtrl& c, A a, int16_t&) { c.MvtH(a.i2[0], a.i2[1], a.i2[2]); }},
    {{"MvtT", DISPID_MvtT, INVOKE_FUNC, {{{"Face", Short}, {"Direction", Short}, {"n", Short}}}, 3, VT_EMPTY,
      "Turns a slice parallel to the front"},
     [](CCUBECtrl& c, A a, int16_t&) { c.MvtT(a.i2[0], a.i2[1], a.i2[2]); }},
    {{"Arretes", DISPID_Arretes, INVOKE_FUNC, {{{"Etage", Short}, {"Methode", Short}}}, 2, VT_EMPTY,
      "Edge move sequence"},
     [](CCUBECtrl& c, A a, int16_t&) { c.Arretes(a.i2[0], a.i2[1]); }},
    {{"Coins", DISPID_Coins, INVOKE_FUNC, {{{"Etage", Short}, {"Methode", Short}}}, 2, VT_EMPTY,
      "Corner move sequence"},
     [](CCUBECtrl& c, A a, int16_t&) { c.Coins(a.i2[0], a.i2[1]); }},
    {{"PutFace", DISPID_PutFace, INVOKE_FUNC, {{{"Face", Short}, {"Value", Short}}}, 2, VT_EMPTY,
      "Sets the face number at a position"},
     [](CCUBECtrl& c, A a, int16_t&) { c.PutFace(a.i2[0], a.i2[1]); }},
    {{"GetElmt", DISPID_GetElmt, INVOKE_FUNC, {{{"Face", Short}, {"Elmt", Short}}}, 2, Short,
      "Colour of one square"},
     [](CCUBECtrl& c, A a, int16_t& r) { r = c.GetElmt(a.i2[0], a.i2[1]); }},
    {{"Equilibre", DISPID_Equilibre, INVOKE_FUNC, {}, 0, VT_EMPTY,
      "Does nothing"},
     [](CCUBECtrl& c, A, int16_t&) { c.Equilibre(); }},
    {{"PosFaceR", DISPID_PosFaceR, INVOKE_FUNC, {}, 0, VT_EMPTY,
      "Records every face's centre colour"},
     [](CCUBECtrl& c, A, int16_t&) { c.PosFaceR(); }},
    {{"Synchro", DISPID_Synchro, INVOKE_FUNC, {}, 0, VT_EMPTY,
      "Sets positions from centre colours"},
     [](CCUBECtrl& c, A, int16_t&) { c.Synchro(); }},
    {{"HighOrLow", DISPID_HighOrLow, INVOKE_FUNC, {{{"VReste", Short}}}, 1, VT_EMPTY,
      "Stores a value"},
     [](CCUBECtrl& c, A a, int16_t&) { c.HighOrLow(a.i2[0]); }},
    {{"Relatif", DISPID_Relatif, INVOKE_PROPERTYGET, {{{"Face", Short}, {"Etage", Short}, {"Elmt", Short}}}, 3, Short,
      "Colour of a square, face seen from outside"},
     [](CCUBECtrl& c, A a, int16_t& r) { r = c.GetRelatif(a.i2[0], a.i2[1], a.i2[2]); }},
    {{"Relatif", DISPID_Relatif, INVOKE_PROPERTYPUT,
      {{{"Face", Short}, {"Etage", Short}, {"Elmt", Short}, {"newValue", Short}}}, 4, VT_EMPTY,
      "Colour of a square, face seen from outside"},
     [](CCUBECtrl& c, A a, int16_t&) { c.SetRelatif(a.i2[0], a.i2[1], a.i2[2], a.i2[3]); }},
};
// clang-format on

constexpr size_t MemberCount = std::size(Members);

constexpr std::array<FUNCDESC, MemberCount> Funcs = [] {
    std::array<FUNCDESC, MemberCount> funcs{};
    for (size_t i = 0; i < MemberCount; ++i)
        funcs[i] = Members[i].desc;
    return funcs;
}();

// Each DISPID names one member; a get and a put of one property may share it, nothing else may.
constexpr bool RowsAreDistinct()
{
    for (size_t i = 0; i < MemberCount; ++i)
        for (size_t j = i + 1; j < MemberCount; ++j)
            if (Funcs[i].memid == Funcs[j].memid &&
                (Funcs[i].invkind == Funcs[j].invkind || Funcs[i].invkind == INVOKE_FUNC ||
                 Funcs[j].invkind == INVOKE_FUNC))
                return false;
    return true;
}
static_assert(RowsAreDistinct());
static_assert(MemberCount == 22);

constexpr IMPLTYPEDESC CUBEImplTypes[] = {
    {CUBE_TypeIndex_DCUBE, IMPLTYPEFLAG_FDEFAULT},
    {CUBE_TypeIndex_DCUBEEvents, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE},
};

constexpr TYPEINFODESC Types[] = {
    {"_DCUBE", {DIID__DCUBE, TKIND_DISPATCH, static_cast<uint16_t>(MemberCount), 0, 0, 0}, DCUBE_HelpString,
     Funcs, {}},
    {"_DCUBEEvents", {DIID__DCUBEEvents, TKIND_DISPATCH, 0, 0, 0, 0}, DCUBEEvents_HelpString, {}, {}},
    {"CUBE", {CLSID_CUBE, TKIND_COCLASS, 0, static_cast<uint16_t>(std::size(CUBEImplTypes)), 0, 0},
     CUBE_HelpString, {}, CUBEImplTypes},
};

constexpr TYPELIBDESC Library{
    "CUBELib",
    {LIBID_CUBELib, 0, CUBELib_VerMajor, CUBELib_VerMinor},
    CUBELib_HelpString,
    CUBELib_HelpFile,
    Types,
};

} // namespace

std::span<const FUNCDESC> DCUBE_Funcs() { return Funcs; }

DCUBECall DCUBE_Call(const FUNCDESC& row)
{
    const ptrdiff_t i = &row - Funcs.data();
    return (i >= 0 && static_cast<size_t>(i) < MemberCount) ? Members[i].call : nullptr;
}

const TYPELIBDESC& CUBE_TypeLib() { return Library; }
