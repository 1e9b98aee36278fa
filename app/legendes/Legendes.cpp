#include "Legendes.h"

#include "Macros.h"
#include "Notation.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace legendes {

namespace {

QString Tr(const char* texte) { return QCoreApplication::translate("Legendes", texte); }

using S = Sorte;

constexpr Legende Table[] = {
    {"Haut", "Haut", S::Cube, nullptr, nullptr, nullptr, nullptr},
    {"Bas", "Bas", S::Cube, nullptr, nullptr, nullptr, nullptr},
    {"Gauche", "<--", S::Cube, nullptr, nullptr, nullptr, nullptr},
    {"Droite", "-->", S::Cube, nullptr, nullptr, nullptr, nullptr},
    {"Init", "Init", S::Commande, QT_TRANSLATE_NOOP("Legendes", "give every face its own colour again; the log stays"), nullptr,
     QT_TRANSLATE_NOOP("Legendes", "&Reset colours"), nullptr},
    {"Melange", "Melange", S::Commande,
     QT_TRANSLATE_NOOP("Legendes", "scramble the cube with 31 random quarter turns of the outer layers, logged"), nullptr,
     QT_TRANSLATE_NOOP("Legendes", "&Scramble"), nullptr},
    {"RangerHaut", "FaceH", S::Etape, QT_TRANSLATE_NOOP("Legendes", "make the top face one colour"), nullptr, nullptr, nullptr},
    {"IdM", "Arretes", S::Etape, QT_TRANSLATE_NOOP("Legendes", "bring the top edges over their side centres"), nullptr, nullptr,
     nullptr},
    {"IdC", "Coins", S::Etape, QT_TRANSLATE_NOOP("Legendes", "place the top corners"), nullptr, nullptr, nullptr},
    {"RangerM", "Zone M", S::Etape, QT_TRANSLATE_NOOP("Legendes", "complete the middle layer (E in notation)"), nullptr, nullptr,
     nullptr},
    {"FaceB", "Face B", S::Etape, QT_TRANSLATE_NOOP("Legendes", "turn the cube over and finish it"),
     QT_TRANSLATE_NOOP("Legendes", "(the bottom)"), nullptr, nullptr},
    {"UneFace", "T", S::Etape, QT_TRANSLATE_NOOP("Legendes", "finish the top face when only its corners are wrong"), nullptr,
     nullptr, nullptr},
    {"Ar", "Ar", S::Macro, QT_TRANSLATE_NOOP("Legendes", "cycle three top edges, two of them flipped"), nullptr, nullptr, SeqAr},
    {"CG", "CG", S::Macro, QT_TRANSLATE_NOOP("Legendes", "bring the bottom-right edge up to the front right of the middle layer"),
     nullptr, nullptr, SeqCG},
    {"CD", "CD", S::Macro, QT_TRANSLATE_NOOP("Legendes", "bring the bottom-right edge up to the back right of the middle layer"),
     nullptr, nullptr, SeqCD},
    {"A", "A", S::Macro, QT_TRANSLATE_NOOP("Legendes", "top layer only: edges as PA, corners swapped in pairs"), nullptr, nullptr,
     SeqA},
    {"B", "B", S::Macro, QT_TRANSLATE_NOOP("Legendes", "top layer only: edges the other way, corners swapped in pairs"),
     QT_TRANSLATE_NOOP("Legendes", "(a macro, not the B face)"), nullptr, SeqB},
    {"PA", "PA", S::Macro, QT_TRANSLATE_NOOP("Legendes", "cycle three top edges, left to back to right"), nullptr, nullptr, SeqPA},
    {"PC", "PC", S::Macro, QT_TRANSLATE_NOOP("Legendes", "cycle three top corners"), nullptr, nullptr, SeqPC},
    {"Clear", "Clear", S::Commande, QT_TRANSLATE_NOOP("Legendes", "empty the log; the cube stays"), nullptr,
     QT_TRANSLATE_NOOP("Legendes", "C&lear the log"), nullptr},
    {"InvD", "&I", S::Commande, QT_TRANSLATE_NOOP("Legendes", "undo the selected log line, or the last one"), nullptr, nullptr,
     nullptr},
    {"Inv", "Inv", S::Commande, QT_TRANSLATE_NOOP("Legendes", "undo every line of the log, last first"), nullptr, nullptr, nullptr},
};
constexpr std::size_t PremiereEtape = 6, NombreEtapes = 6;

// A caption as it reads, without its mnemonic's mark.
QString Lue(const Legende& l) { return QString::fromUtf8(l.legende).remove(QLatin1Char('&')); }

std::optional<notation::Turn> Tour(QStringView bouton) { return notation::FromButton(bouton); }

// A sequence of arrow names ("VBD HGH") in cube notation ("R' U").
QString EnNotation(const char* sequence)
{
    QStringList coups;
    for (const QString& nom : QString::fromLatin1(sequence).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (const auto t = notation::FromButton(nom))
            coups << notation::Name(*t);
    return coups.join(QLatin1Char(' '));
}

QString Tiret(const QString& nom, const QString& sens) { return nom + QStringLiteral(" \u2014 ") + sens; }
QString Entre(const QString& texte, const QString& aparte) { return texte + QStringLiteral(" (") + aparte + QLatin1Char(')'); }

} // namespace

std::span<const Legende> Toutes() { return Table; }

std::span<const Legende> Etapes() { return std::span<const Legende>(Table).subspan(PremiereEtape, NombreEtapes); }

const Legende* De(QStringView nomOuLegende)
{
    for (const Legende& l : Table)
        if (nomOuLegende == QLatin1String(l.nom) || nomOuLegende == Lue(l))
            return &l;
    return nullptr;
}

QString Sens(const Legende& l)
{
    if (!l.sens)
        return notation::Words(*Tour(QString::fromLatin1(l.nom)));
    return Tr(l.sens);
}

QString Nom(const Legende& l) { return l.aparte ? Lue(l) + QLatin1Char(' ') + Tr(l.aparte) : Lue(l); }

QString Entree(QStringView bouton)
{
    const Legende* l = De(bouton);
    if (const auto t = Tour(bouton); t && (!l || l->sorte == Sorte::Cube))
        return Tiret(notation::Name(*t), notation::Words(*t));
    if (!l)
        return bouton.toString();
    if (l->entree)
        return Entre(Tr(l->entree), Lue(*l));
    return Tiret(Nom(*l), Sens(*l));
}

QString Bulle(QStringView bouton, const QString& touche)
{
    const Legende* l = De(bouton);
    const auto t = Tour(bouton);
    QString texte = t ? Tiret(notation::Name(*t), notation::Words(*t)) : l ? Tiret(Nom(*l), Sens(*l)) : bouton.toString();
    if (!touche.isEmpty())
        texte = Entre(texte, touche);
    if (t && l)
        texte += QLatin1Char('\n') + QCoreApplication::translate("Legendes", "Logs \u201c%1\u201d and the number of the face that comes to the front")
                                      .arg(QString::fromUtf16(notation::Info(*t).log).trimmed());
    else if (t)
        texte += QLatin1Char('\n') + QCoreApplication::translate("Legendes", "Logs \u201c%1\u201d").arg(QString::fromUtf16(notation::Info(*t).log));
    else if (l && l->sequence)
        texte += QLatin1Char('\n') + EnNotation(l->sequence);
    return texte;
}

} // namespace legendes
