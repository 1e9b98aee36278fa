#include "CurseurRelecture.h"

#include "ModeleSession.h"

#include <algorithm>

CurseurRelecture::Depart CurseurRelecture::Commencer(int ligne)
{
    Terminer();
    const QStringList lignes = m_S.Lignes();
    std::vector<relecture::Pas> pas = relecture::PasDuJournal(lignes);
    const auto premier = std::find_if(pas.begin(), pas.end(), [ligne](const relecture::Pas& p) { return p.ligne >= ligne; });
    if (premier == pas.end())
        return pas.empty() ? Depart::AucunTour : Depart::AucunTourIci;
    m_Lignes = lignes;
    m_Tranches = relecture::Tranches(lignes, MarquesDe(m_S));
    m_Debut = static_cast<int>(premier - pas.begin());
    m_Pas = std::move(pas);
    m_Curseur = Total();
    m_FaceVue = m_S.FaceVue();
    m_EnCours = true;
    Aller(m_Debut);
    return Depart::Pret;
}

std::optional<notation::Turn> CurseurRelecture::Avancer()
{
    if (!m_EnCours || m_Curseur >= Total())
        return std::nullopt;
    const notation::Turn t = m_Pas[static_cast<std::size_t>(m_Curseur++)].tour;
    m_S.Tourner(t);
    return t;
}

std::optional<notation::Turn> CurseurRelecture::Reculer()
{
    if (!m_EnCours || m_Curseur <= m_Debut)
        return std::nullopt;
    const notation::Turn t = notation::Inverse(m_Pas[static_cast<std::size_t>(--m_Curseur)].tour);
    m_S.Tourner(t);
    return t;
}

void CurseurRelecture::Aller(int curseur)
{
    while (m_Curseur > curseur)
        m_S.Tourner(notation::Inverse(m_Pas[static_cast<std::size_t>(--m_Curseur)].tour));
    while (m_Curseur < curseur)
        m_S.Tourner(m_Pas[static_cast<std::size_t>(m_Curseur++)].tour);
}

void CurseurRelecture::Terminer()
{
    if (!m_EnCours)
        return;
    Aller(Total());
    m_S.PoserFaceVue(m_FaceVue);
    Abandonner();
}

void CurseurRelecture::Abandonner()
{
    m_EnCours = false;
    m_Pas.clear();
    m_Tranches.clear();
    m_Lignes.clear();
}

int CurseurRelecture::LigneFaite() const
{
    return m_EnCours && m_Curseur > 0 ? m_Pas[static_cast<std::size_t>(m_Curseur - 1)].ligne : -1;
}

int CurseurRelecture::LigneSuivante() const
{
    return m_EnCours && m_Curseur < Total() ? m_Pas[static_cast<std::size_t>(m_Curseur)].ligne : -1;
}

std::optional<notation::Turn> CurseurRelecture::Suivant() const
{
    if (!m_EnCours || m_Curseur >= Total())
        return std::nullopt;
    return m_Pas[static_cast<std::size_t>(m_Curseur)].tour;
}

std::vector<relecture::Marque> MarquesDe(const ModeleSession& session)
{
    std::vector<relecture::Marque> marques;
    marques.reserve(static_cast<std::size_t>(session.Nombre()));
    for (int i = 0; i < session.Nombre(); ++i)
        marques.push_back({session.Commande(i), session.Commande(i).isEmpty() ? 0 : session.Serie(i)});
    return marques;
}
