// The commands that turn the cube and keep the move log: the six layer primitives, the whole-cube
// turns, the separator, log inversion and removal, and the scramble.
#include "Merlo.h"

#include "Fatal.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <chrono>
#include <initializer_list>
#include <random>
#include <string_view>

namespace {

const QString Arriere = QStringLiteral("Arri\u00e8re");

// The layer an option group selects: its index for the control and its word for the log.
struct Couche {
    int16_t index = 0;
    QString mot;
};

struct Option {
    const QRadioButton* bouton;
    int16_t index;
    QString mot;
};

// Reads the group in its table order; the last selected button wins (exactly one is).
Couche Lire(std::initializer_list<Option> groupe)
{
    Couche c;
    for (const Option& o : groupe)
        if (o.bouton->isChecked())
            c = {o.index, o.mot};
    return c;
}

// A number as the log writes it: a blank where a minus sign would stand, then the digits.
QString AvecSigne(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

void Merlo::Ajouter(const QString& ligne)
{
    List1->addItem(ligne);
    MajMessage();
}

void Merlo::MajMessage()
{
    Message->setText(QString::number(List1->count()));
}

// --- the six layer primitives --------------------------------------------------------------------

void Merlo::FrontD_Click()
{
    const Couche c = Lire({{OptFront, 0, QStringLiteral("Front")}, {OptArr, 1, Arriere}, {OptMi, 2, QStringLiteral("Milieu")}});
    CUBE().MvtT(c.index, 0, 1);
    Ajouter(QStringLiteral("Trans ") + c.mot + QStringLiteral(" Droite"));
}

void Merlo::FrontG_Click()
{
    const Couche c = Lire({{OptFront, 0, QStringLiteral("Front")}, {OptArr, 1, Arriere}, {OptMi, 2, QStringLiteral("Milieu")}});
    CUBE().MvtT(c.index, 1, 1);
    Ajouter(QStringLiteral("Trans ") + c.mot + QStringLiteral(" Gauche"));
}

void Merlo::HorizD_Click()
{
    const Couche c = Lire({{OptHaut, 0, QStringLiteral("Haut")}, {OptBas, 1, QStringLiteral("Bas")}, {OptMil, 2, QStringLiteral("Milieu")}});
    CUBE().MvtH(c.index, 1, 1);
    Ajouter(QStringLiteral("Horiz ") + c.mot + QStringLiteral(" Droite"));
}

void Merlo::HorizG_Click()
{
    const Couche c = Lire({{OptHaut, 0, QStringLiteral("Haut")}, {OptBas, 1, QStringLiteral("Bas")}, {OptMil, 2, QStringLiteral("Milieu")}});
    CUBE().MvtH(c.index, 0, 1);
    Ajouter(QStringLiteral("Horiz ") + c.mot + QStringLiteral(" Gauche"));
}

void Merlo::VHaut_Click()
{
    const Couche c = Lire({{OptGauche, 0, QStringLiteral("Gauche")}, {OptDroit, 1, QStringLiteral("Droite")}, {OptM, 2, QStringLiteral("Milieu")}});
    CUBE().MvtV(c.index, 1, 1);
    Ajouter(QStringLiteral("Vert ") + c.mot + QStringLiteral(" Haut"));
}

void Merlo::VBas_Click()
{
    const Couche c = Lire({{OptGauche, 0, QStringLiteral("Gauche")}, {OptDroit, 1, QStringLiteral("Droite")}, {OptM, 2, QStringLiteral("Milieu")}});
    CUBE().MvtV(c.index, 0, 1);
    Ajouter(QStringLiteral("Vert ") + c.mot + QStringLiteral(" Bas"));
}

// --- whole-cube turns ----------------------------------------------------------------------------

// Brings the face at `position` to the front and logs the face now seen.
void Merlo::TourneCube(int16_t position, const QString& texte)
{
    FaceVue = CUBE().WichFace(position);
    CUBE().AfficherFace(FaceVue);
    Ajouter(texte + AvecSigne(FaceVue));
}

void Merlo::Haut_Click() { TourneCube(5, QStringLiteral("En haut ")); }
void Merlo::Bas_Click() { TourneCube(0, QStringLiteral("En bas ")); }
void Merlo::Gauche_Click() { TourneCube(3, QStringLiteral("A gauche ")); }
void Merlo::Droite_Click() { TourneCube(1, QStringLiteral("A droite ")); }

void Merlo::FinComm()
{
    Ajouter(QStringLiteral("*--------"));
}

// --- log inversion and removal -------------------------------------------------------------------

void Merlo::InverserOrdre(const QString& s)
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
    if (a(1, U"En haut")) {
        Bas_Click();
        return;
    }
    if (a(1, U"En bas")) {
        Haut_Click();
        return;
    }
    if (a(1, U"A gauche")) {
        Droite_Click();
        return;
    }
    if (a(1, U"A droite")) {
        Gauche_Click();
        return;
    }

    if (a(1, U"Vert")) {
        if (a(6, U"Gauche"))
            OptGauche->setChecked(true);
        else if (a(6, U"Droite"))
            OptDroit->setChecked(true);
        else if (a(6, U"Milieu"))
            OptM->setChecked(true);
        else
            return;
        if (a(13, U"Bas"))
            VHaut_Click();
        else if (a(13, U"Haut"))
            VBas_Click();
        return;
    }

    if (a(1, U"Horiz")) {
        qsizetype sens;
        if (a(7, U"Bas")) {
            OptBas->setChecked(true);
            sens = 11;
        } else if (a(7, U"Haut")) {
            OptHaut->setChecked(true);
            sens = 12;
        } else if (a(7, U"Milieu")) {
            OptMil->setChecked(true);
            sens = 14;
        } else {
            return;
        }
        if (a(sens, U"Gauche"))
            HorizD_Click();
        else if (a(sens, U"Droite"))
            HorizG_Click();
        return;
    }

    if (a(1, U"Trans")) {
        qsizetype sens;
        if (a(7, U"Arri\u00e8re")) {
            OptArr->setChecked(true);
            sens = 15;
        } else if (a(7, U"Front")) {
            OptFront->setChecked(true);
            sens = 13;
        } else if (a(7, U"Milieu")) {
            OptMi->setChecked(true);
            sens = 14;
        } else {
            return;
        }
        if (a(sens, U"Gauche"))
            FrontD_Click();
        else if (a(sens, U"Droite"))
            FrontG_Click();
    }
}

int Merlo::ListIndex() const
{
    const QList<QListWidgetItem*> choisies = List1->selectedItems();
    return choisies.isEmpty() ? -1 : List1->row(choisies.first());
}

void Merlo::SelectLigne(int k)
{
    if (k < 0) {
        List1->clearSelection();
        List1->setCurrentItem(nullptr);
        return;
    }
    List1->setCurrentRow(k);
}

static QString Ligne(const QListWidget* liste, int i)
{
    const QListWidgetItem* item = liste->item(i);
    if (!item)
        Fatal(Merlo::tr("Invalid list index %1").arg(i));
    return item->text();
}

void Merlo::Inv_Click()
{
    // The inverses go to the end of the log, past the lines visited here.
    const int n = List1->count();
    for (int i = n - 1; i >= 0; --i)
        InverserOrdre(Ligne(List1, i));
}

void Merlo::InvD_Click()
{
    if (List1->count() == 0)
        return;
    int k = ListIndex();
    if (k < 0) {
        k = List1->count() - 1;
        SelectLigne(k);
    }
    InverserOrdre(Ligne(List1, k));
    // The selection marks the next line to undo.
    SelectLigne(k - 1);
}

void Merlo::List1_DblClick()
{
    const int k = ListIndex();
    if (k >= 0)
        delete List1->takeItem(k);
    MajMessage();
}

// --- the scramble --------------------------------------------------------------------------------

void Merlo::Melange_Click()
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
        QRadioButton* option;
        void (Merlo::*sens0)();
        void (Merlo::*sens1)();
    };
    const Tirage couches[6] = {
        {OptFront, &Merlo::FrontD_Click, &Merlo::FrontG_Click},
        {OptArr, &Merlo::FrontD_Click, &Merlo::FrontG_Click},
        {OptGauche, &Merlo::VBas_Click, &Merlo::VHaut_Click},
        {OptDroit, &Merlo::VBas_Click, &Merlo::VHaut_Click},
        {OptHaut, &Merlo::HorizG_Click, &Merlo::HorizD_Click},
        {OptBas, &Merlo::HorizG_Click, &Merlo::HorizD_Click},
    };
    std::uniform_int_distribution<int> couche(0, 5);
    std::uniform_int_distribution<int> sens(0, 1);
    for (int pas = 0; pas <= 30; ++pas) {
        const Tirage& t = couches[couche(hasard)];
        t.option->setChecked(true);
        (this->*(sens(hasard) == 0 ? t.sens0 : t.sens1))();
    }
}
