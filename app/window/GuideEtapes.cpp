#include "GuideEtapes.h"

#include "Avis.h"
#include "CUBEDriver.h"
#include "Contexte.h"
#include "CurseurRelecture.h"
#include "LectureCube.h"
#include "ModeleSession.h"

#include <QCoreApplication>
#include <QWidget>

#include <optional>

namespace {

// Which stage each stage button runs.
std::optional<Etape> EtapeDe(const QString& bouton)
{
    const struct {
        const char* bouton;
        Etape etape;
    } etapes[] = {
        {"RangerHaut", Etape::FaceH}, {"IdM", Etape::Arretes}, {"IdC", Etape::Coins},
        {"RangerM", Etape::ZoneM},    {"FaceB", Etape::FaceB}, {"UneFace", Etape::T},
    };
    for (const auto& e : etapes)
        if (bouton == QLatin1String(e.bouton))
            return e.etape;
    return std::nullopt;
}

} // namespace

GuideEtapes::GuideEtapes(const Contexte& c) : QObject(&c.fenetre), m_S(c.session), m_Avis(c.avis) {}

Avancement GuideEtapes::Lire()
{
    CUBEDriver& c = m_S.CUBE();
    const auto rel = [&](int16_t p, int16_t r, int16_t col) { return c.Relatif(c.WichFace(p), r, col); };
    Avancement a;
    std::array<int16_t, 9> haut{};
    c.GetFace(c.WichFace(0), haut.data());
    for (int16_t v : haut)
        a.fautesHaut += v != haut[4];
    a.faceHaut = a.fautesHaut == 0;
    a.aretes = a.milieu = true;
    bool rangHaut = true;
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t centre = rel(p, 1, 1);
        a.aretes = a.aretes && rel(p, 0, 1) == centre;
        for (int16_t j = 0; j < 3; ++j) {
            rangHaut = rangHaut && rel(p, 0, j) == centre;
            a.milieu = a.milieu && rel(p, 1, j) == centre;
        }
    }
    a.couronne = a.faceHaut && rangHaut;
    a.resolu = true;
    for (const auto& f : LireCube(c).cases)
        for (int16_t v : f)
            a.resolu = a.resolu && v == f[4];
    return a;
}

void GuideEtapes::Lancer(const QString& bouton, const std::function<void()>& etape)
{
    const std::optional<Etape> e = EtapeDe(bouton);
    const Avancement avant = Lire();
    const int lignes = m_S.Nombre();
    const EtatCube cube = LireCube(m_S.CUBE());
    etape();
    if (!e || m_S.Nombre() != lignes || !(LireCube(m_S.CUBE()) == cube))
        return;
    const QString conseil = Conseil(*e, avant);
    if (!conseil.isEmpty())
        m_Avis.Montrer(conseil);
}

void GuideEtapes::DireSiResolu(bool avant)
{
    if (avant || !Lire().resolu)
        return;
    m_Avis.Montrer(relecture::NoteResolu(SolutionDepuisMelange(m_S).coups) + QLatin1Char(' ')
                   + QCoreApplication::translate("GuideEtapes", "Copy solution copies the moves to make; Replay shows them one by one."));
}
