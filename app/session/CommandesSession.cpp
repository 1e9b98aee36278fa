// The commands that turn the cube and keep the move log: the six layer primitives and the arrows,
// the whole-cube turns, the separator and the macros, log inversion and removal, the scramble, Init
// and Clear. What each turn writes and how the control makes it is read from the one table of
// turns (notation::Info).
#include "ModeleSession.h"

#include "CUBEDriver.h"
#include "Fatal.h"
#include "Macros.h"

#include <QCoreApplication>

#include <chrono>
#include <cstring>
#include <random>
#include <string_view>

namespace {

using O = SurfaceEtapes::Option;

// A number as the log writes it: a blank where a minus sign would stand, then the digits.
QString AvecSigne(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

// --- the six layer primitives --------------------------------------------------------------------

void ModeleSession::Primitive(char axe, int8_t sens)
{
    // The layer the group selects (always one of three: every choice is checked where it is made),
    // turned one quarter turn, and the line of that turn.
    const notation::Turn t = notation::FromLayer(axe, Couche(axe), sens).value();
    Tourner(t);
    Ajouter(m_LigneTour[static_cast<std::size_t>(t)]);
}

void ModeleSession::FrontD_Click() { Primitive('T', 0); }
void ModeleSession::FrontG_Click() { Primitive('T', 1); }
void ModeleSession::HorizD_Click() { Primitive('H', 1); }
void ModeleSession::HorizG_Click() { Primitive('H', 0); }
void ModeleSession::VHaut_Click() { Primitive('V', 1); }
void ModeleSession::VBas_Click() { Primitive('V', 0); }

void ModeleSession::Tourner(notation::Turn t)
{
    const notation::TurnInfo& i = notation::Info(t);
    switch (i.axis) {
    case 'H': m_Cube.MvtH(i.layer, i.direction, 1); break;
    case 'V': m_Cube.MvtV(i.layer, i.direction, 1); break;
    case 'T': m_Cube.MvtT(i.layer, i.direction, 1); break;
    default:
        m_FaceVue = m_Cube.WichFace(i.layer);
        m_Cube.AfficherFace(m_FaceVue);
        break;
    }
}

void ModeleSession::Jouer(notation::Turn t)
{
    const notation::TurnInfo& i = notation::Info(t);
    if (i.axis == 'C') {
        TourneCube(t);
        return;
    }
    for (int k = 0; k < NombreOptions; ++k) {
        const OptionInfo& o = InfoOption(O(k));
        if (o.axe == i.axis && o.index == i.layer)
            Choisir(o.option);
    }
    Primitive(i.axis, i.direction);
}

void ModeleSession::Jouer(const char* fleches)
{
    for (const char* p = fleches; *p;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        const char* fin = std::strchr(p, ' ');
        if (!fin)
            fin = p + std::strlen(p);
        const QString nom = QString::fromLatin1(p, fin - p);
        const auto t = notation::FromButton(nom);
        if (!t || notation::Info(*t).axis == 'C')
            Fatal(QCoreApplication::translate("Merlo", "Unknown move \"%1\"").arg(nom));
        Jouer(*t);
        p = fin;
    }
}

// --- whole-cube turns ----------------------------------------------------------------------------

// Brings the face at the turn's position to the front and logs the face now seen.
void ModeleSession::TourneCube(notation::Turn t)
{
    Tourner(t);
    Ajouter(m_Textes.Numero(QString::fromUtf16(notation::Info(t).log) + AvecSigne(m_FaceVue)));
}

void ModeleSession::Haut_Click() { TourneCube(notation::Turn::Haut); }
void ModeleSession::Bas_Click() { TourneCube(notation::Turn::Bas); }
void ModeleSession::Gauche_Click() { TourneCube(notation::Turn::Gauche); }
void ModeleSession::Droite_Click() { TourneCube(notation::Turn::Droite); }

// --- the separator and the macros ----------------------------------------------------------------

void ModeleSession::FinComm() { Ajouter(m_Separateur); }

void ModeleSession::Macro(const char* fleches, bool separateur)
{
    Jouer(fleches);
    if (separateur)
        FinComm();
}

void ModeleSession::A_Click() { Macro(SeqA, true); }
void ModeleSession::B_Click() { Macro(SeqB, true); }
void ModeleSession::Ar_Click() { Macro(SeqAr, true); }
void ModeleSession::CD_Click() { Macro(SeqCD, true); }
void ModeleSession::CG_Click() { Macro(SeqCG, true); }
void ModeleSession::PA_Click() { Macro(SeqPA, true); }
void ModeleSession::PC_Click() { Macro(SeqPC, true); }
void ModeleSession::MacroT1() { Macro(SeqT1, true); }
void ModeleSession::MacroT2() { Macro(SeqT2, true); }
// The two macros of the stage "FaceH" write no separator: the stage chains them with other moves.
void ModeleSession::MacroH1() { Macro(SeqH1, false); }
void ModeleSession::MacroH2() { Macro(SeqH2, false); }

// --- log inversion and removal -------------------------------------------------------------------

void ModeleSession::InverserOrdre(const QString& s)
{
    // Positions count characters from 1. Comparing code points keeps "Arrière" one character
    // wherever it comes from.
    const QList<uint> c = s.toUcs4();
    auto a = [&c](qsizetype position, std::u32string_view texte) {
        const qsizetype debut = position - 1;
        if (debut + static_cast<qsizetype>(texte.size()) > c.size())
            return false;
        for (std::size_t i = 0; i < texte.size(); ++i)
            if (c[debut + static_cast<qsizetype>(i)] != texte[i])
                return false;
        return true;
    };

    if (a(1, U"*"))
        return;
    if (a(1, U"En haut"))
        return Bas_Click();
    if (a(1, U"En bas"))
        return Haut_Click();
    if (a(1, U"A gauche"))
        return Droite_Click();
    if (a(1, U"A droite"))
        return Gauche_Click();

    if (a(1, U"Vert")) {
        if (a(6, U"Gauche"))
            Choisir(O::OptGauche);
        else if (a(6, U"Droite"))
            Choisir(O::OptDroit);
        else if (a(6, U"Milieu"))
            Choisir(O::OptM);
        else
            return;
        if (a(13, U"Bas"))
            VHaut_Click();
        else if (a(13, U"Haut"))
            VBas_Click();
        return;
    }

    // A horizontal layer or a slice: the layer word at 7 chooses the option and where the
    // direction word stands.
    struct Mot {
        std::u32string_view mot;
        O option;
        qsizetype sens;
    };
    auto couche = [&](std::initializer_list<Mot> mots, void (ModeleSession::*gauche)(), void (ModeleSession::*droite)()) {
        for (const Mot& m : mots) {
            if (!a(7, m.mot))
                continue;
            Choisir(m.option);
            if (a(m.sens, U"Gauche"))
                (this->*gauche)();
            else if (a(m.sens, U"Droite"))
                (this->*droite)();
            return;
        }
    };
    if (a(1, U"Horiz"))
        couche({{U"Bas", O::OptBas, 11}, {U"Haut", O::OptHaut, 12}, {U"Milieu", O::OptMil, 14}},
               &ModeleSession::HorizD_Click, &ModeleSession::HorizG_Click);
    else if (a(1, U"Trans"))
        couche({{U"Arri\u00e8re", O::OptArr, 15}, {U"Front", O::OptFront, 13}, {U"Milieu", O::OptMi, 14}},
               &ModeleSession::FrontD_Click, &ModeleSession::FrontG_Click);
}

void ModeleSession::Inv_Click()
{
    // The inverses go to the end of the log, past the lines visited here. A copy of the line: the
    // log grows while it is read.
    const int n = Nombre();
    for (int i = n - 1; i >= 0; --i)
        InverserOrdre(QString(Ligne(i)));
}

void ModeleSession::InvD_Click()
{
    if (Nombre() == 0)
        return;
    int k = Selection();
    if (k < 0) {
        k = Nombre() - 1;
        ChoisirLigne(k);
    }
    InverserOrdre(QString(Ligne(k)));
    // The selection marks the next line to undo.
    ChoisirLigne(k - 1);
}

void ModeleSession::List1_DblClick()
{
    const int k = Selection();
    if (k >= 0)
        Remplacer(k, 1, {});
    MajCompteur();
}

// --- the scramble, Init and Clear ----------------------------------------------------------------

void ModeleSession::Melange_Click()
{
    uint64_t graine;
    if (m_Seeded) {
        graine = m_NextSeed;
        m_Seeded = false;
    } else {
        graine = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())
                 ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    std::seed_seq semence{static_cast<uint32_t>(graine), static_cast<uint32_t>(graine >> 32)};
    std::mt19937 hasard(semence);

    // The six outer layers, never a middle one; for each, the primitive of direction 0 and 1.
    struct Tirage {
        O option;
        void (ModeleSession::*sens0)();
        void (ModeleSession::*sens1)();
    };
    static constexpr Tirage couches[6] = {
        {O::OptFront, &ModeleSession::FrontD_Click, &ModeleSession::FrontG_Click},
        {O::OptArr, &ModeleSession::FrontD_Click, &ModeleSession::FrontG_Click},
        {O::OptGauche, &ModeleSession::VBas_Click, &ModeleSession::VHaut_Click},
        {O::OptDroit, &ModeleSession::VBas_Click, &ModeleSession::VHaut_Click},
        {O::OptHaut, &ModeleSession::HorizG_Click, &ModeleSession::HorizD_Click},
        {O::OptBas, &ModeleSession::HorizG_Click, &ModeleSession::HorizD_Click},
    };
    std::uniform_int_distribution<int> couche(0, 5);
    std::uniform_int_distribution<int> sens(0, 1);
    for (int pas = 0; pas <= 30; ++pas) {
        const Tirage& t = couches[couche(hasard)];
        Choisir(t.option);
        (this->*(sens(hasard) == 0 ? t.sens0 : t.sens1))();
    }
}

void ModeleSession::Init_Click()
{
    m_Cube.InitG();
    m_FaceVue = m_Cube.WichFace(2);
    m_Cube.AfficherFace(m_FaceVue);
}

void ModeleSession::Clear_Click()
{
    Remplacer(0, Nombre(), {});
    MajCompteur();
}
