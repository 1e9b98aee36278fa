#include "Etapes.h"

#include "Legendes.h"

#include <QCoreApplication>

#include <iterator>

namespace relecture {

namespace {

using legendes::Legende;

// A solving stage, by its button's caption or name.
const Legende* EtapeDe(const QString& commande)
{
    const Legende* l = legendes::De(commande);
    return l && l->sorte == legendes::Sorte::Etape ? l : nullptr;
}

bool EstDepart(const QString& commande)
{
    return commande == QLatin1String("Melange") || commande == QLatin1String("Coller");
}

// The command as the window's buttons name it, and what it is when it is no button.
QString Nom(const QString& commande)
{
    if (const Legende* e = EtapeDe(commande))
        return QString::fromUtf8(e->legende);
    if (commande == QLatin1String("Melange"))
        return QCoreApplication::translate("Relecture", "Scramble");
    if (commande == QLatin1String("Coller"))
        return QCoreApplication::translate("Relecture", "Pasted moves");
    if (commande == QLatin1String("Court"))
        return QCoreApplication::translate("Relecture", "Short solve");
    return commande;
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
    const Legende* e = EtapeDe(commande);
    const auto rang = e ? static_cast<int>(e - legendes::Etapes().data()) + 1 : 0;
    return rang <= 5 ? static_cast<int>(rang) : 0;
}

QString Mots(notation::Turn t) { return notation::Words(t); }

QString OuDansLaTranche(const std::vector<Tranche>& tranches, const QStringList& lignes, int ligne)
{
    for (const Tranche& t : tranches) {
        if (ligne < t.debut || ligne >= t.fin)
            continue;
        if (t.marque.commande.isEmpty())
            return {};
        int rang = 0;
        for (int i = t.debut; i <= ligne; ++i)
            rang += notation::FromLog(lignes[i]).has_value();
        const QString nom = Nom(t.marque.commande);
        if (const int e = RangEtape(t.marque.commande))
            return QCoreApplication::translate("Relecture", "%1 (%2 of 5): %3, step %4 of %5")
                .arg(nom)
                .arg(e)
                .arg(legendes::Sens(*EtapeDe(t.marque.commande)))
                .arg(rang)
                .arg(t.tours);
        // T and the macros: what they do, and a macro's caption with what it is not ("B", no turn of
        // the back).
        const Legende* x = legendes::De(t.marque.commande);
        if (x && (x->sorte == legendes::Sorte::Etape || x->sorte == legendes::Sorte::Macro))
            return QCoreApplication::translate("Relecture", "%1: %2, step %3 of %4")
                .arg(x->sorte == legendes::Sorte::Macro ? legendes::Nom(*x) : nom, legendes::Sens(*x))
                .arg(rang)
                .arg(t.tours);
        return QCoreApplication::translate("Relecture", "%1, step %2 of %3").arg(nom).arg(rang).arg(t.tours);
    }
    return {};
}

Solution SolutionDepuisMelange(const QStringList& lignes, const std::vector<Marque>& marques)
{
    std::vector<Tranche> tranches = Tranches(lignes, marques);
    std::size_t debut = 0;
    for (std::size_t i = 0; i < tranches.size(); ++i)
        if (EstDepart(tranches[i].marque.commande))
            debut = i + 1;
    // Lines by hand between two commands make one part of their own.
    std::vector<std::vector<notation::Turn>> tours;
    std::vector<QString> titres;
    for (std::size_t i = debut; i < tranches.size(); ++i) {
        const Tranche& t = tranches[i];
        std::vector<notation::Turn> partie;
        for (int l = t.debut; l < t.fin; ++l)
            if (const auto tour = notation::FromLog(lignes[l]))
                partie.push_back(*tour);
        const QString titre = t.marque.commande.isEmpty() ? QCoreApplication::translate("Relecture", "by hand") : Nom(t.marque.commande);
        tours.push_back(std::move(partie));
        titres.push_back(titre);
    }
    const std::vector<notation::Simplified> parties = notation::SimplifyParts(tours);
    Solution s;
    QStringList texte;
    for (std::size_t i = 0; i < parties.size(); ++i) {
        if (parties[i].moves == 0)
            continue;
        texte << QStringLiteral("// ") + titres[i] << parties[i].text;
        s.coups += parties[i].moves;
        ++s.parties;
    }
    if (!texte.isEmpty())
        s.texte = texte.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return s;
}

} // namespace relecture
