// Each member of the cube's dispatch interface as one Invoke by its DISPID: 16-bit arguments as
// VT_I2, in reverse order as DISPPARAMS wants them, the nine squares of a face by reference.
#include "CUBEDriver.h"

#include "CUBEDispIds.h"
#include "Fatal.h"

#include <QCoreApplication>

#include <array>
#include <cstddef>

namespace {

VARIANT Short(int16_t value)
{
    VARIANT v{};
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}

VARIANT ShortsByRef(int16_t* first)
{
    VARIANT v{};
    v.vt = VT_I2 | VT_BYREF;
    v.piVal = first;
    return v;
}

[[noreturn]] void Echec(HRESULT hr, const char* member)
{
    Fatal(QCoreApplication::translate("CUBEHost", "Automation error %1 in %2").arg(HResultText(hr), QLatin1String(member)));
}

// One call. `args` in the order of the member's parameters; a put passes its value last.
// Returns the short result when `result` asks for one.
template <std::size_t N>
int16_t Appel(IDispatch* d, DISPID id, const char* member, uint16_t flags, const std::array<VARIANT, N>& args,
              bool result)
{
    std::array<VARIANT, N == 0 ? 1 : N> reversed{};
    for (std::size_t i = 0; i < N; ++i)
        reversed[i] = args[N - 1 - i];
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{N ? reversed.data() : nullptr, nullptr, static_cast<uint32_t>(N), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    VARIANT out{};
    uint32_t argErr = 0;
    const HRESULT hr = d->Invoke(id, IID_NULL, 0, flags, &params, result ? &out : nullptr, nullptr, &argErr);
    if (FAILED(hr))
        Echec(hr, member);
    if (!result)
        return 0;
    if (out.vt == VT_I2)
        return out.iVal;
    // A short that came back widened is still a short; anything else is not what _DCUBE promises.
    if (out.vt == VT_I4 && out.lVal >= INT16_MIN && out.lVal <= INT16_MAX)
        return static_cast<int16_t>(out.lVal);
    Echec(DISP_E_TYPEMISMATCH, member);
}

template <typename... V>
std::array<VARIANT, sizeof...(V)> Args(V... v)
{
    return {v...};
}

} // namespace

CUBEDriver::CUBEDriver(IDispatch* dispatch) : m_Dispatch(dispatch)
{
    m_Dispatch->AddRef();
}

CUBEDriver::~CUBEDriver()
{
    m_Dispatch->Release();
}

int16_t CUBEDriver::Couleur(int16_t i)
{
    return Appel(m_Dispatch, DISPID_Couleur, "Couleur", DISPATCH_METHOD, Args(Short(i)), true);
}

void CUBEDriver::InitG()
{
    Appel(m_Dispatch, DISPID_InitG, "InitG", DISPATCH_METHOD, Args(), false);
}

void CUBEDriver::PointerFaces()
{
    Appel(m_Dispatch, DISPID_PointerFaces, "PointerFaces", DISPATCH_METHOD, Args(), false);
}

void CUBEDriver::PlacerFace(int16_t Face)
{
    Appel(m_Dispatch, DISPID_PlacerFace, "PlacerFace", DISPATCH_METHOD, Args(Short(Face)), false);
}

void CUBEDriver::Vers(int16_t Direction)
{
    Appel(m_Dispatch, DISPID_Vers, "Vers", DISPATCH_METHOD, Args(Short(Direction)), false);
}

void CUBEDriver::AfficherFace(int16_t Face)
{
    Appel(m_Dispatch, DISPID_AfficherFace, "AfficherFace", DISPATCH_METHOD, Args(Short(Face)), false);
}

int16_t CUBEDriver::WichFace(int16_t Face)
{
    return Appel(m_Dispatch, DISPID_WichFace, "WichFace", DISPATCH_METHOD, Args(Short(Face)), true);
}

void CUBEDriver::SetFace(int16_t Face, int16_t* Contenu)
{
    Appel(m_Dispatch, DISPID_SetFace, "SetFace", DISPATCH_METHOD, Args(Short(Face), ShortsByRef(Contenu)), false);
}

void CUBEDriver::GetFace(int16_t Face, int16_t* Contenu)
{
    Appel(m_Dispatch, DISPID_GetFace, "GetFace", DISPATCH_METHOD, Args(Short(Face), ShortsByRef(Contenu)), false);
}

void CUBEDriver::MvtV(int16_t Face, int16_t Direction, int16_t n)
{
    Appel(m_Dispatch, DISPID_MvtV, "MvtV", DISPATCH_METHOD, Args(Short(Face), Short(Direction), Short(n)), false);
}

void CUBEDriver::MvtH(int16_t Face, int16_t Direction, int16_t n)
{
    Appel(m_Dispatch, DISPID_MvtH, "MvtH", DISPATCH_METHOD, Args(Short(Face), Short(Direction), Short(n)), false);
}

void CUBEDriver::MvtT(int16_t Face, int16_t Direction, int16_t n)
{
    Appel(m_Dispatch, DISPID_MvtT, "MvtT", DISPATCH_METHOD, Args(Short(Face), Short(Direction), Short(n)), false);
}

void CUBEDriver::Arretes(int16_t Etage, int16_t Methode)
{
    Appel(m_Dispatch, DISPID_Arretes, "Arretes", DISPATCH_METHOD, Args(Short(Etage), Short(Methode)), false);
}

void CUBEDriver::Coins(int16_t Etage, int16_t Methode)
{
    Appel(m_Dispatch, DISPID_Coins, "Coins", DISPATCH_METHOD, Args(Short(Etage), Short(Methode)), false);
}

void CUBEDriver::PutFace(int16_t Face, int16_t Value)
{
    Appel(m_Dispatch, DISPID_PutFace, "PutFace", DISPATCH_METHOD, Args(Short(Face), Short(Value)), false);
}

int16_t CUBEDriver::GetElmt(int16_t Face, int16_t Elmt)
{
    return Appel(m_Dispatch, DISPID_GetElmt, "GetElmt", DISPATCH_METHOD, Args(Short(Face), Short(Elmt)), true);
}

void CUBEDriver::Equilibre()
{
    Appel(m_Dispatch, DISPID_Equilibre, "Equilibre", DISPATCH_METHOD, Args(), false);
}

void CUBEDriver::PosFaceR()
{
    Appel(m_Dispatch, DISPID_PosFaceR, "PosFaceR", DISPATCH_METHOD, Args(), false);
}

void CUBEDriver::Synchro()
{
    Appel(m_Dispatch, DISPID_Synchro, "Synchro", DISPATCH_METHOD, Args(), false);
}

void CUBEDriver::HighOrLow(int16_t VReste)
{
    Appel(m_Dispatch, DISPID_HighOrLow, "HighOrLow", DISPATCH_METHOD, Args(Short(VReste)), false);
}

int16_t CUBEDriver::Relatif(int16_t Face, int16_t Etage, int16_t Elmt)
{
    return Appel(m_Dispatch, DISPID_Relatif, "Relatif", DISPATCH_PROPERTYGET,
                 Args(Short(Face), Short(Etage), Short(Elmt)), true);
}

void CUBEDriver::SetRelatif(int16_t Face, int16_t Etage, int16_t Elmt, int16_t newValue)
{
    Appel(m_Dispatch, DISPID_Relatif, "Relatif", DISPATCH_PROPERTYPUT,
          Args(Short(Face), Short(Etage), Short(Elmt), Short(newValue)), false);
}
