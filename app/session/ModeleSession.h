// The session: a person's work without any widget. The log (each line with the mark of the command
// that wrote it), the three layer choices, the counter, the chosen line and FaceVue, and the
// commands that change them: the six layer primitives, the arrows, the whole-cube turns, FinComm
// and the macros, log inversion and removal, the scramble, Init and Clear. The cube is reached only
// through the control's dispatch interface. Views follow the signals; the window shows the log in
// List1 (ModeleJournal), the counter in Message and the choices in the hidden option groups.
#pragma once

#include "EtatSession.h"
#include "Journal.h"
#include "Notation.h"
#include "SurfaceEtapes.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CUBEDriver;

// The nine hidden option buttons (objectName "OptGauche" ...): the layer each one chooses on its
// axis ('V' columns, 'T' slices, 'H' layers), as the control's index.
struct OptionInfo {
    SurfaceEtapes::Option option;
    const char* nom;
    char axe;
    int8_t index;
};
constexpr int NombreOptions = 9;
const OptionInfo& InfoOption(SurfaceEtapes::Option o);

class ModeleSession : public QObject {
    Q_OBJECT

public:
    using Option = SurfaceEtapes::Option;

    explicit ModeleSession(CUBEDriver& cube, QObject* parent = nullptr);

    CUBEDriver& CUBE() const { return m_Cube; }

    // --- what the session holds -----------------------------------------------------------------
    int Nombre() const { return m_Journal.Nombre(); }
    // Line i's text; an index outside the log ends the program, naming it.
    const QString& Ligne(int i) const;
    QStringList Lignes() const;
    // The command that wrote line i (empty: a single arrow or whole-cube turn) and which run of it.
    const QString& Commande(int i) const;
    qint64 Serie(int i) const;
    // Nothing until the first command that changes the log, then the number of lines.
    std::optional<int> Compteur() const { return m_Compteur; }
    // The chosen line, or -1.
    int Selection() const { return m_Selection; }
    Couches LesCouches() const { return m_Couches; }
    bool Choisie(Option o) const;
    int16_t FaceVue() const { return m_FaceVue; }

    // --- choices ----------------------------------------------------------------------------------
    // Sets an option button to True, which deselects the other two of its group.
    void Choisir(Option o);
    // Chooses a line; -1, or a line the log does not hold, chooses none.
    void ChoisirLigne(int ligne);

    // --- the commands -----------------------------------------------------------------------------
    void FrontD_Click();
    void FrontG_Click();
    void HorizD_Click();
    void HorizG_Click();
    void VHaut_Click();
    void VBas_Click();
    // A turn's button: an arrow selects its layer (when it is not selected already) and runs its
    // primitive; a whole-cube button runs its turn.
    void Jouer(notation::Turn t);
    // Moves written as arrow names separated by blanks ("VHD HGH"), each played as its arrow.
    void Jouer(const char* fleches);

    void Haut_Click();
    void Bas_Click();
    void Gauche_Click();
    void Droite_Click();

    void FinComm();
    void A_Click();
    void B_Click();
    void Ar_Click();
    void CD_Click();
    void CG_Click();
    void PA_Click();
    void PC_Click();
    void MacroT1();
    void MacroT2();
    void MacroH1();
    void MacroH2();

    void InverserOrdre(const QString& s);
    void Inv_Click();
    void InvD_Click();
    void List1_DblClick();

    void Melange_Click();
    // The next Melange_Click draws from this seed instead of the clock (tests use it to replay).
    void SeedMelange(uint64_t seed)
    {
        m_NextSeed = seed;
        m_Seeded = true;
    }

    void Init_Click();
    void Clear_Click();

    // Turns the cube as the turn's button does, writing no line (the replay steps through the log
    // this way); a whole-cube turn sets FaceVue.
    void Tourner(notation::Turn t);
    void PoserFaceVue(int16_t face) { m_FaceVue = face; }

    // --- the whole session as values ----------------------------------------------------------------
    EtatSession Instantane() const;
    // Puts everything back: the cube through the control, exactly however it was held, the lines
    // with their marks, the counter, the choices and the chosen line. Choices and a chosen line
    // that cannot be are left at what a new window has.
    void Restaurer(const EtatSession& e);

    // --- for Undo: the same without the lines, and the lines as they are kept --------------------
    EtatSession InstantaneSansLignes() const;
    void RestaurerSansLignes(const EtatSession& e);
    const Journal& LeJournal() const { return m_Journal; }
    Textes& LesTextes() { return m_Textes; }
    const Textes& LesTextes() const { return m_Textes; }
    // Replaces `enlever` lines at `debut` with `mettre`; the counter and the chosen line are the
    // caller's to set.
    void Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre);
    // Writes the mark on every line from `debut` on that carries none yet.
    void Marquer(int debut, const QString& commande, qint64 serie);
    // Appends a line as it stands, outside any command (a log built by hand, in tests and benches).
    void AjouterLigne(const QString& texte);

signals:
    // Around every change of the lines, as an item model announces rows: [debut, fin].
    void LignesAAjouter(int debut, int fin);
    void LignesAjoutees(int debut, int fin);
    void LignesARetirer(int debut, int fin);
    void LignesRetirees(int debut, int fin);
    void MarquesChangees(int debut, int fin);
    void CompteurChange();
    void SelectionChangee(int ligne);
    void CouchesChangees();

private:
    void Ajouter(uint32_t texte);
    void MajCompteur();
    void Primitive(char axe, int8_t sens);
    void TourneCube(notation::Turn t);
    void Macro(const char* fleches, bool separateur);
    int8_t& Couche(char axe);
    int8_t Couche(char axe) const;

    CUBEDriver& m_Cube;
    Textes m_Textes;
    Journal m_Journal;
    // The number of each layer turn's line, in the order of notation::Turn.
    std::array<uint32_t, notation::TurnCount> m_LigneTour{};
    uint32_t m_Separateur = 0;
    Couches m_Couches;
    std::optional<int> m_Compteur;
    int m_Selection = -1;
    int16_t m_FaceVue = 0;
    uint64_t m_NextSeed = 0;
    bool m_Seeded = false;
};
