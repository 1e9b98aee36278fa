#include "Etapes.h"

#include "Legendes.h"

#include <QCoreApplication>

namespace relecture {

namespace {

using legendes::Legende;

// A solving stage, by its button's caption or name.
const Legende* EtapeDe(const QString& commande)
{
    const Legende* l = legendes::De(commande);
    return l && l->sorte == legendes::Sorte::Etape ? l : nullptr;
}

// A stage or a macro: the commands that say what they do.
const Legende* Parlante(const QString& commande)
{
    const Legende* l = legendes::De(commande);
    return l && (l->sorte == legendes::Sorte::Etape || l->sorte == legendes::Sorte::Macro) ? l : nullptr;
}

bool EstDepart(const QString& commande)
{
    return commande == QLatin1String("Melange") || commande == QLatin1String("Coller");
}

QString Tr(const char* texte) { return QCoreApplication::translate("Relecture", texte); }

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
    const Legende* e = EtapeDe(commande);
    const auto rang = e ? static_cast<int>(e - legendes::Etapes().data()) + 1 : 0;
    return rang <= 5 ? static_cast<int>(rang) : 0;
}

QString Mots(notation::Turn t) { return notation::Words(t); }

QString Mots(const notation::Move& m) { return notation::Words(m); }

QString Nom(const QString& commande)
{
    // A macro's caption says what it is not ("B", no turn of the back).
    if (const Legende* l = Parlante(commande))
        return l->sorte == legendes::Sorte::Macro ? legendes::Nom(*l) : QString::fromUtf8(l->legende);
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
    const Legende* l = Parlante(commande);
    return l ? legendes::Sens(*l) : QString();
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
