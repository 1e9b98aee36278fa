#include "CurseurRelecture.h"

#include "LectureCube.h"
#include "ModeleSession.h"
#include "PositionCube.h"

#include <algorithm>

namespace {

// Where the replay's solution starts: held still, after the last scramble or paste before `ligne`.
int DebutPour(const std::vector<relecture::Tranche>& tranches, int ligne, relecture::Tenue tenue)
{
    if (tenue == relecture::Tenue::CommeEcrit)
        return 0;
    if (ligne < 0)
        return relecture::DebutDepuisMelange(tranches);
    std::vector<relecture::Tranche> avant;
    for (const relecture::Tranche& t : tranches)
        if (t.fin <= ligne)
            avant.push_back(t);
    return relecture::DebutDepuisMelange(avant);
}

} // namespace

CurseurRelecture::Depart CurseurRelecture::Commencer(int ligne, relecture::Tenue tenue)
{
    Terminer();
    const QStringList lignes = m_S.Lignes();
    const std::vector<relecture::Marque> marques = MarquesDe(m_S);
    const std::vector<relecture::Tranche> tranches = relecture::Tranches(lignes, marques);
    const notation::Position fin = LirePosition(m_S.CUBE());
    relecture::Solution s = relecture::Resoudre(lignes, marques, DebutPour(tranches, ligne, tenue), fin, tenue);
    // Nothing done since the last scramble: the whole log, scramble and all.
    if (s.coups == 0 && ligne < 0 && s.debut > 0)
        s = relecture::Resoudre(lignes, marques, 0, fin, tenue);
    if (s.coups == 0)
        return ligne < 0 || relecture::PasDuJournal(lignes).empty() ? Depart::AucunTour : Depart::AucunTourIci;
    std::vector<Pas> pas;
    int premier = -1;
    for (std::size_t p = 0; p < s.parties.size(); ++p)
        for (std::size_t c = 0; c < s.parties[p].coups.size(); ++c) {
            if (premier < 0 && s.parties[p].coups[c].derniere >= ligne)
                premier = static_cast<int>(pas.size());
            pas.push_back({static_cast<int>(p), static_cast<int>(c)});
        }
    if (premier < 0)
        return Depart::AucunTourIci;

    m_Tenue = tenue;
    m_Solution = std::move(s);
    m_Pas = std::move(pas);
    m_FaceVue = m_S.FaceVue();
    m_Fin = LireCube(m_S.CUBE(), m_FaceVue);
    // Back through the log's own turns to where the solution starts, held as the control held it then.
    const std::vector<relecture::Pas> tours = relecture::PasDuJournal(lignes);
    for (auto t = tours.rbegin(); t != tours.rend() && t->ligne >= m_Solution.debut; ++t)
        m_S.Tourner(notation::Inverse(t->tour));
    m_Cube = m_Solution.depart;
    m_Curseur = 0;
    m_EnCours = true;
    m_Debut = premier;
    Aller(m_Debut);
    return Depart::Pret;
}

const relecture::Coup& CurseurRelecture::CoupDe(int pas) const
{
    const Pas& p = m_Pas[static_cast<std::size_t>(pas)];
    return m_Solution.parties[static_cast<std::size_t>(p.partie)].coups[static_cast<std::size_t>(p.coup)];
}

void CurseurRelecture::Tourner(const notation::Move& m, bool avant)
{
    const notation::Turn t = avant ? m.turn : notation::Inverse(m.turn);
    for (int k = 0; k < m.count; ++k) {
        m_S.Tourner(t);
        notation::Play(m_Cube, t);
    }
}

std::optional<notation::Move> CurseurRelecture::Avancer()
{
    if (!m_EnCours || m_Curseur >= Total())
        return std::nullopt;
    const notation::Move m = CoupDe(m_Curseur++).move;
    Tourner(m, true);
    return m;
}

std::optional<notation::Move> CurseurRelecture::Reculer()
{
    if (!m_EnCours || m_Curseur <= m_Debut)
        return std::nullopt;
    notation::Move m = CoupDe(--m_Curseur).move;
    Tourner(m, false);
    m.turn = notation::Inverse(m.turn);
    return m;
}

void CurseurRelecture::Aller(int curseur)
{
    curseur = std::clamp(curseur, 0, Total());
    while (m_EnCours && m_Curseur > curseur)
        Tourner(CoupDe(--m_Curseur).move, false);
    while (m_EnCours && m_Curseur < curseur)
        Tourner(CoupDe(m_Curseur++).move, true);
}

void CurseurRelecture::Terminer()
{
    if (!m_EnCours)
        return;
    // Held still, the cube ends the solution held as it started: the log's end is put back whole.
    PoserCube(m_S.CUBE(), m_Fin);
    m_S.PoserFaceVue(m_FaceVue);
    Abandonner();
}

void CurseurRelecture::Abandonner()
{
    m_EnCours = false;
    m_Pas.clear();
    m_Solution = {};
}

int CurseurRelecture::LigneFaite() const
{
    return m_EnCours && m_Curseur > 0 ? CoupDe(m_Curseur - 1).derniere : -1;
}

int CurseurRelecture::LigneSuivante() const
{
    return m_EnCours && m_Curseur < Total() ? CoupDe(m_Curseur).premiere : -1;
}

std::optional<notation::Move> CurseurRelecture::Suivant() const
{
    if (!m_EnCours || m_Curseur >= Total())
        return std::nullopt;
    return CoupDe(m_Curseur).move;
}

const relecture::Partie* CurseurRelecture::Partie() const
{
    if (!m_EnCours || m_Pas.empty())
        return nullptr;
    const Pas& p = m_Pas[static_cast<std::size_t>(std::min(m_Curseur, Total() - 1))];
    return &m_Solution.parties[static_cast<std::size_t>(p.partie)];
}

int CurseurRelecture::PasDansPartie() const
{
    if (!m_EnCours || m_Pas.empty())
        return 0;
    return m_Pas[static_cast<std::size_t>(std::min(m_Curseur, Total() - 1))].coup + 1;
}

std::vector<relecture::Marque> MarquesDe(const ModeleSession& session)
{
    std::vector<relecture::Marque> marques;
    marques.reserve(static_cast<std::size_t>(session.Nombre()));
    for (int i = 0; i < session.Nombre(); ++i)
        marques.push_back({session.Commande(i), session.Commande(i).isEmpty() ? 0 : session.Serie(i)});
    return marques;
}

relecture::Solution SolutionDepuisMelange(const ModeleSession& session)
{
    const QStringList lignes = session.Lignes();
    const std::vector<relecture::Marque> marques = MarquesDe(session);
    const int debut = relecture::DebutDepuisMelange(relecture::Tranches(lignes, marques));
    return relecture::Resoudre(lignes, marques, debut, LirePosition(session.CUBE()), relecture::Tenue::Immobile);
}
