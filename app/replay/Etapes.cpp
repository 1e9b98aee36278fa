#include "Etapes.h"

#include <QCoreApplication>

#include <iterator>

namespace relecture {

namespace {

QString Tr(const char* texte) { return QCoreApplication::translate("Relecture", texte); }

// In the order of notation::Turn. Clockwise is as seen facing that face; a slice turns as the face
// its letter follows (M as L, E as D, S as F).
constexpr const char* MotsDesTours[] = {
    QT_TRANSLATE_NOOP("Relecture", "top face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "top face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "middle layer, front to the right"),
    QT_TRANSLATE_NOOP("Relecture", "middle layer, front to the left"),
    QT_TRANSLATE_NOOP("Relecture", "bottom face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "bottom face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "left face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "left face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "middle column, front up"),
    QT_TRANSLATE_NOOP("Relecture", "middle column, front down"),
    QT_TRANSLATE_NOOP("Relecture", "right face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "right face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "front face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "front face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "middle slice, clockwise seen from the front"),
    QT_TRANSLATE_NOOP("Relecture", "middle slice, anticlockwise seen from the front"),
    QT_TRANSLATE_NOOP("Relecture", "back face, anticlockwise"),
    QT_TRANSLATE_NOOP("Relecture", "back face, clockwise"),
    QT_TRANSLATE_NOOP("Relecture", "whole cube, front to the top"),
    QT_TRANSLATE_NOOP("Relecture", "whole cube, front to the bottom"),
    QT_TRANSLATE_NOOP("Relecture", "whole cube, front to the left"),
    QT_TRANSLATE_NOOP("Relecture", "whole cube, front to the right"),
};
static_assert(std::size(MotsDesTours) == notation::TurnCount);

// A half turn, by its move's letter.
constexpr struct {
    char lettre;
    const char* mots;
} MotsDesDemiTours[] = {
    {'U', QT_TRANSLATE_NOOP("Relecture", "top face, half turn")},
    {'E', QT_TRANSLATE_NOOP("Relecture", "middle layer, half turn")},
    {'D', QT_TRANSLATE_NOOP("Relecture", "bottom face, half turn")},
    {'L', QT_TRANSLATE_NOOP("Relecture", "left face, half turn")},
    {'M', QT_TRANSLATE_NOOP("Relecture", "middle column, half turn")},
    {'R', QT_TRANSLATE_NOOP("Relecture", "right face, half turn")},
    {'F', QT_TRANSLATE_NOOP("Relecture", "front face, half turn")},
    {'S', QT_TRANSLATE_NOOP("Relecture", "middle slice, half turn")},
    {'B', QT_TRANSLATE_NOOP("Relecture", "back face, half turn")},
};

struct Etape {
    const char* legende;
    const char* nom;
    const char* but;
};
// The five stages in the order they solve the cube, then T, which Face B runs and has no rank.
constexpr Etape Etapes[] = {
    {"FaceH", "RangerHaut", QT_TRANSLATE_NOOP("Relecture", "make the top face one colour")},
    {"Arretes", "IdM", QT_TRANSLATE_NOOP("Relecture", "bring the top edges over their side centres")},
    {"Coins", "IdC", QT_TRANSLATE_NOOP("Relecture", "place the top corners")},
    {"Zone M", "RangerM", QT_TRANSLATE_NOOP("Relecture", "complete the middle layer")},
    {"Face B", "FaceB", QT_TRANSLATE_NOOP("Relecture", "turn the cube over and finish it")},
    {"T", "UneFace", QT_TRANSLATE_NOOP("Relecture", "finish the corners of the top face")},
};

const Etape* EtapeDe(const QString& commande)
{
    for (const Etape& e : Etapes)
        if (commande == QLatin1String(e.legende) || commande == QLatin1String(e.nom))
            return &e;
    return nullptr;
}

bool EstDepart(const QString& commande)
{
    return commande == QLatin1String("Melange") || commande == QLatin1String("Coller");
}

} // namespace

std::vector<Pas> PasDuJournal(const QStringList& lignes)
{
    std::vector<Pas> pas;
    for (int i = 0; i < lignes.size(); ++i)
        if (const auto t = notation::FromLog(lignes[i]))
            pas.push_back({i, *t});
    return pas;
}

std::vector<Tranche> Tranches(const QStringList& lignes, const std::vector<Marque>& marques)
{
    std::vector<Tranche> out;
    for (int i = 0; i < lignes.size(); ++i) {
        const Marque m = i < static_cast<int>(marques.size()) ? marques[static_cast<std::size_t>(i)] : Marque{};
        if (out.empty() || !(out.back().marque == m))
            out.push_back({m, i, i, 0});
        out.back().fin = i + 1;
        out.back().tours += notation::FromLog(lignes[i]).has_value();
    }
    return out;
}

int RangEtape(const QString& commande)
{
    const Etape* e = EtapeDe(commande);
    const auto rang = e ? static_cast<int>(e - Etapes) + 1 : 0;
    return rang <= 5 ? static_cast<int>(rang) : 0;
}

QString Mots(notation::Turn t) { return Tr(MotsDesTours[static_cast<int>(t)]); }

QString Mots(const notation::Move& m)
{
    if (m.count == 2)
        for (const auto& d : MotsDesDemiTours)
            if (d.lettre == notation::Info(m.turn).letter)
                return Tr(d.mots);
    return Mots(m.turn);
}

QString Nom(const QString& commande)
{
    if (const Etape* e = EtapeDe(commande))
        return QLatin1String(e->legende);
    if (commande.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("Relecture", "by hand"));
    if (commande == QLatin1String("Melange"))
        return Tr(QT_TRANSLATE_NOOP("Relecture", "Scramble"));
    if (commande == QLatin1String("Coller"))
        return Tr(QT_TRANSLATE_NOOP("Relecture", "Pasted moves"));
    if (commande == QLatin1String("Court"))
        return Tr(QT_TRANSLATE_NOOP("Relecture", "Short solve"));
    return commande;
}

QString But(const QString& commande)
{
    const Etape* e = EtapeDe(commande);
    return e ? Tr(e->but) : QString();
}

int DebutDepuisMelange(const std::vector<Tranche>& tranches)
{
    int debut = 0;
    for (const Tranche& t : tranches)
        if (EstDepart(t.marque.commande))
            debut = t.fin;
    return debut;
}

} // namespace relecture
