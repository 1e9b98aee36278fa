// The session's state and its changes: lines, counter, choices, chosen line, and the whole of it as
// values. The commands that turn the cube and write lines are in CommandesSession.cpp.
#include "ModeleSession.h"

#include "CUBEDriver.h"
#include "Fatal.h"
#include "LectureCube.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using O = SurfaceEtapes::Option;

// In the order of SurfaceEtapes::Option.
constexpr OptionInfo Options[NombreOptions] = {
    {O::OptGauche, "OptGauche", 'V', 0}, {O::OptM, "OptM", 'V', 2},         {O::OptDroit, "OptDroit", 'V', 1},
    {O::OptArr, "OptArr", 'T', 1},       {O::OptMi, "OptMi", 'T', 2},       {O::OptFront, "OptFront", 'T', 0},
    {O::OptHaut, "OptHaut", 'H', 0},     {O::OptMil, "OptMil", 'H', 2},     {O::OptBas, "OptBas", 'H', 1},
};

bool Valide(int8_t index) { return index >= 0 && index <= 2; }

} // namespace

const OptionInfo& InfoOption(SurfaceEtapes::Option o) { return Options[static_cast<int>(o)]; }

ModeleSession::ModeleSession(CUBEDriver& cube, QObject* parent) : QObject(parent), m_Cube(cube)
{
    for (int k = 0; k < notation::TurnCount; ++k)
        m_LigneTour[static_cast<std::size_t>(k)] = m_Textes.Numero(QString::fromUtf16(notation::Info(notation::Turn(k)).log));
    m_Separateur = m_Textes.Numero(QStringLiteral("*--------"));
}

const QString& ModeleSession::Ligne(int i) const
{
    if (i < 0 || i >= Nombre())
        Fatal(QCoreApplication::translate("Merlo", "Invalid list index %1").arg(i));
    return m_Textes.Texte(m_Journal[i].texte);
}

QStringList ModeleSession::Lignes() const
{
    QStringList l;
    l.reserve(Nombre());
    for (const LigneJournal& x : m_Journal.Lignes())
        l << m_Textes.Texte(x.texte);
    return l;
}

const QString& ModeleSession::Commande(int i) const { return m_Textes.Texte(m_Journal[i].commande); }

qint64 ModeleSession::Serie(int i) const { return m_Journal[i].serie; }

int8_t& ModeleSession::Couche(char axe)
{
    return axe == 'V' ? m_Couches.colonne : axe == 'T' ? m_Couches.tranche : m_Couches.etage;
}

int8_t ModeleSession::Couche(char axe) const
{
    return axe == 'V' ? m_Couches.colonne : axe == 'T' ? m_Couches.tranche : m_Couches.etage;
}

bool ModeleSession::Choisie(Option o) const
{
    const OptionInfo& i = InfoOption(o);
    return Couche(i.axe) == i.index;
}

void ModeleSession::Choisir(Option o)
{
    const OptionInfo& i = InfoOption(o);
    if (Couche(i.axe) == i.index)
        return;
    Couche(i.axe) = i.index;
    emit CouchesChangees();
}

void ModeleSession::ChoisirLigne(int ligne)
{
    if (ligne < 0 || ligne >= Nombre())
        ligne = -1;
    if (ligne == m_Selection)
        return;
    m_Selection = ligne;
    emit SelectionChangee(ligne);
}

void ModeleSession::Ajouter(uint32_t texte)
{
    const int n = Nombre();
    emit LignesAAjouter(n, n);
    m_Journal.Ajouter({texte, 0, 0});
    emit LignesAjoutees(n, n);
    MajCompteur();
}

void ModeleSession::MajCompteur()
{
    m_Compteur = Nombre();
    emit CompteurChange();
}

void ModeleSession::AjouterLigne(const QString& texte)
{
    const int n = Nombre();
    emit LignesAAjouter(n, n);
    m_Journal.Ajouter({m_Textes.Numero(texte), 0, 0});
    emit LignesAjoutees(n, n);
}

void ModeleSession::Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre)
{
    debut = std::clamp(debut, 0, Nombre());
    enlever = std::clamp(enlever, 0, Nombre() - debut);
    const int avant = m_Selection;
    if (enlever > 0) {
        emit LignesARetirer(debut, debut + enlever - 1);
        m_Journal.Remplacer(debut, enlever, {});
        // The chosen line goes with its line, and moves up with the lines below those removed.
        if (m_Selection >= debut + enlever)
            m_Selection -= enlever;
        else if (m_Selection >= debut)
            m_Selection = -1;
        emit LignesRetirees(debut, debut + enlever - 1);
    }
    if (!mettre.empty()) {
        const int n = static_cast<int>(mettre.size());
        emit LignesAAjouter(debut, debut + n - 1);
        m_Journal.Remplacer(debut, 0, mettre);
        if (m_Selection >= debut)
            m_Selection += n;
        emit LignesAjoutees(debut, debut + n - 1);
    }
    if (m_Selection != avant)
        emit SelectionChangee(m_Selection);
}

void ModeleSession::Marquer(int debut, const QString& commande, qint64 serie)
{
    const uint32_t c = m_Textes.Numero(commande);
    int premier = -1, dernier = -1;
    for (int i = std::max(debut, 0); i < Nombre(); ++i) {
        LigneJournal& l = m_Journal[i];
        if (l.commande != 0)
            continue;
        l.commande = c;
        l.serie = serie;
        if (premier < 0)
            premier = i;
        dernier = i;
    }
    if (premier >= 0)
        emit MarquesChangees(premier, dernier);
}

EtatSession ModeleSession::InstantaneSansLignes() const
{
    EtatSession e;
    e.cube = LireCube(m_Cube, m_FaceVue);
    e.compteur = m_Compteur;
    e.couches = m_Couches;
    e.selection = m_Selection;
    return e;
}

EtatSession ModeleSession::Instantane() const
{
    EtatSession e = InstantaneSansLignes();
    e.lignes.reserve(static_cast<std::size_t>(Nombre()));
    for (const LigneJournal& l : m_Journal.Lignes())
        e.lignes.push_back({m_Textes.Texte(l.texte), m_Textes.Texte(l.commande), l.commande ? l.serie : 0});
    return e;
}

void ModeleSession::RestaurerSansLignes(const EtatSession& e)
{
    PoserCube(m_Cube, e.cube);
    m_FaceVue = e.cube.faceVue;
    const Couches neuves;
    Couches c = e.couches;
    c.colonne = Valide(c.colonne) ? c.colonne : neuves.colonne;
    c.tranche = Valide(c.tranche) ? c.tranche : neuves.tranche;
    c.etage = Valide(c.etage) ? c.etage : neuves.etage;
    if (c != m_Couches) {
        m_Couches = c;
        emit CouchesChangees();
    }
    if (m_Compteur != e.compteur) {
        m_Compteur = e.compteur;
        emit CompteurChange();
    }
    ChoisirLigne(e.selection);
}

void ModeleSession::Restaurer(const EtatSession& e)
{
    std::vector<LigneJournal> lignes;
    lignes.reserve(e.lignes.size());
    for (const LigneSession& l : e.lignes) {
        const uint32_t c = l.commande.isEmpty() ? 0 : m_Textes.Numero(l.commande);
        lignes.push_back({m_Textes.Numero(l.texte), c, c ? l.serie : 0});
    }
    ChoisirLigne(-1);
    Remplacer(0, Nombre(), {});
    Remplacer(0, 0, lignes);
    RestaurerSansLignes(e);
}
