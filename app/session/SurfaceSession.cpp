#include "SurfaceSession.h"

#include "CUBEDriver.h"
#include "ModeleSession.h"

SurfaceSession::SurfaceSession(ModeleSession& session, std::function<void()> ceder)
    : m_S(session), m_Ceder(std::move(ceder))
{
}

int16_t SurfaceSession::WichFace(int16_t position) { return m_S.CUBE().WichFace(position); }
int16_t SurfaceSession::Relatif(int16_t face, int16_t etage, int16_t elmt) { return m_S.CUBE().Relatif(face, etage, elmt); }
void SurfaceSession::GetFace(int16_t face, int16_t* contenu) { m_S.CUBE().GetFace(face, contenu); }

void SurfaceSession::Choisir(Option option) { m_S.Choisir(option); }

void SurfaceSession::FrontD_Click() { m_S.FrontD_Click(); }
void SurfaceSession::FrontG_Click() { m_S.FrontG_Click(); }
void SurfaceSession::HorizD_Click() { m_S.HorizD_Click(); }
void SurfaceSession::HorizG_Click() { m_S.HorizG_Click(); }
void SurfaceSession::VHaut_Click() { m_S.VHaut_Click(); }
void SurfaceSession::VBas_Click() { m_S.VBas_Click(); }

void SurfaceSession::Haut_Click() { m_S.Haut_Click(); }
void SurfaceSession::Bas_Click() { m_S.Bas_Click(); }
void SurfaceSession::Gauche_Click() { m_S.Gauche_Click(); }
void SurfaceSession::Droite_Click() { m_S.Droite_Click(); }

void SurfaceSession::A_Click() { m_S.A_Click(); }
void SurfaceSession::B_Click() { m_S.B_Click(); }
void SurfaceSession::Ar_Click() { m_S.Ar_Click(); }
void SurfaceSession::CD_Click() { m_S.CD_Click(); }
void SurfaceSession::CG_Click() { m_S.CG_Click(); }
void SurfaceSession::PA_Click() { m_S.PA_Click(); }
void SurfaceSession::PC_Click() { m_S.PC_Click(); }
void SurfaceSession::MacroT1() { m_S.MacroT1(); }
void SurfaceSession::MacroT2() { m_S.MacroT2(); }
void SurfaceSession::MacroH1() { m_S.MacroH1(); }
void SurfaceSession::MacroH2() { m_S.MacroH2(); }
void SurfaceSession::FinComm() { m_S.FinComm(); }

void SurfaceSession::DoEvents()
{
    if (m_Ceder)
        m_Ceder();
}
