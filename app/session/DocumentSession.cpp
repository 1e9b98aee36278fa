#include "DocumentSession.h"

#include "Notation.h"
#include "Position.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace document {

namespace {

// Serial numbers of commands are written as JSON numbers, exact up to 2^53.
constexpr qint64 SerieMax = qint64(1) << 53;
constexpr int CommandeMax = 64;

// The lines the window writes, each kept once: a log read back shares them, so a long log costs
// a pointer a line.
const QHash<QString, QString>& LignesConnues()
{
    static const QHash<QString, QString> connues = [] {
        QHash<QString, QString> h;
        auto garder = [&h](const QString& l) { h.insert(l, l); };
        garder(QString::fromUtf16(notation::Separator));
        for (int k = 0; k < notation::TurnCount; ++k) {
            const QString log = QString::fromUtf16(notation::Info(static_cast<notation::Turn>(k)).log);
            if (k < static_cast<int>(notation::Turn::Haut))
                garder(log);
            else
                for (char f = '0'; f <= '5'; ++f)
                    garder(log + QLatin1Char(' ') + QLatin1Char(f));
        }
        return h;
    }();
    return connues;
}

// The 24 ways a cube can be held: which face stands at each position, from the way it was made by
// quarter turns about two axes (positions 0 top, 1 left, 2 front, 3 right, 4 back, 5 bottom).
const std::set<std::array<int16_t, 6>>& Tenues()
{
    static const std::set<std::array<int16_t, 6>> tenues = [] {
        constexpr std::array<int, 6> autourVertical{0, 2, 3, 4, 1, 5}, autourGaucheDroite{2, 1, 5, 3, 0, 4};
        std::set<std::array<int16_t, 6>> vues{{0, 1, 2, 3, 4, 5}};
        std::vector<std::array<int16_t, 6>> file(vues.begin(), vues.end());
        while (!file.empty()) {
            const auto t = file.back();
            file.pop_back();
            for (const auto& g : {autourVertical, autourGaucheDroite}) {
                std::array<int16_t, 6> u{};
                for (int p = 0; p < 6; ++p)
                    u[static_cast<std::size_t>(p)] = t[static_cast<std::size_t>(g[static_cast<std::size_t>(p)])];
                if (vues.insert(u).second)
                    file.push_back(u);
            }
        }
        return vues;
    }();
    return tenues;
}

QString Phrase(QString s)
{
    // A message of the cube's checks, carried on inside a longer sentence.
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (!s.isEmpty())
        s[0] = s[0].toLower();
    return s;
}

// What a field of the document holds, or the first thing found wrong with it.
class Champs {
public:
    std::optional<qint64> Entier(const QJsonValue& v, const char* nom, qint64 min, qint64 max)
    {
        const double d = v.toDouble();
        // The range first: a number outside qint64 does not convert.
        if (!v.isDouble() || !(d >= static_cast<double>(min) && d <= static_cast<double>(max)) || d != std::floor(d)) {
            Faux(nom);
            return std::nullopt;
        }
        return static_cast<qint64>(d);
    }
    void Faux(const char* nom)
    {
        if (erreur.isEmpty())
            erreur = QCoreApplication::translate("DocumentSession", "it is damaged: its “%1” is missing or not what Merlos writes").arg(QLatin1String(nom));
    }
    QString erreur;
};

bool LireCube(const QJsonObject& o, EtatCube& cube, Champs& c)
{
    const QJsonArray faceA = o.value(QLatin1String("faceA")).toArray();
    const QJsonArray cases = o.value(QLatin1String("cases")).toArray();
    if (faceA.size() != 6 || cases.size() != 6) {
        c.Faux(faceA.size() != 6 ? "cube.faceA" : "cube.cases");
        return false;
    }
    for (int p = 0; p < 6; ++p) {
        const auto f = c.Entier(faceA[p], "cube.faceA", 0, 5);
        const QString carres = cases[p].toString();
        if (!f || carres.size() != 9) {
            c.Faux("cube.cases");
            return false;
        }
        cube.faceA[static_cast<std::size_t>(p)] = static_cast<int16_t>(*f);
        for (int s = 0; s < 9; ++s) {
            if (carres[s] < u'0' || carres[s] > u'5') {
                c.Faux("cube.cases");
                return false;
            }
            cube.cases[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)] = static_cast<int16_t>(carres[s].unicode() - u'0');
        }
    }
    const auto vue = c.Entier(o.value(QLatin1String("faceVue")), "cube.faceVue", 0, 5);
    cube.faceVue = static_cast<int16_t>(vue.value_or(0));
    return vue.has_value();
}

bool LireLignes(const QJsonObject& racine, std::vector<LigneSession>& lignes, Champs& c)
{
    const QJsonValue v = racine.value(QLatin1String("lignes"));
    if (!v.isArray()) {
        c.Faux("lignes");
        return false;
    }
    const QJsonArray tableau = v.toArray();
    const QHash<QString, QString>& connues = LignesConnues();
    lignes.resize(static_cast<std::size_t>(tableau.size()));
    for (qsizetype i = 0; i < tableau.size(); ++i) {
        const QString texte = tableau[i].toString();
        const auto l = connues.constFind(texte);
        if (l == connues.cend() || !tableau[i].isString()) {
            const QString montre = tableau[i].isString() ? texte.left(60) : QStringLiteral("…");
            c.erreur = QCoreApplication::translate("DocumentSession", "line %1 of its log, “%2”, is not a line Merlos writes").arg(i + 1).arg(montre);
            return false;
        }
        lignes[static_cast<std::size_t>(i)].texte = *l;
    }
    return true;
}

// Marks are runs of lines [de, a) written by one run of one command, in order, inside the log.
bool LireMarques(const QJsonObject& racine, std::vector<LigneSession>& lignes, Champs& c)
{
    const QJsonValue v = racine.value(QLatin1String("marques"));
    if (!v.isArray()) {
        c.Faux("marques");
        return false;
    }
    QHash<QString, QString> commandes;
    qint64 fin = 0;
    const qint64 n = static_cast<qint64>(lignes.size());
    for (const QJsonValue m : v.toArray()) {
        const QJsonObject o = m.toObject();
        const auto de = c.Entier(o.value(QLatin1String("de")), "marques", fin, n - 1);
        const auto a = c.Entier(o.value(QLatin1String("a")), "marques", de.value_or(0) + 1, n);
        const auto serie = c.Entier(o.value(QLatin1String("serie")), "marques", 0, SerieMax);
        const QString commande = o.value(QLatin1String("commande")).toString();
        if (!de || !a || !serie || commande.isEmpty() || commande.size() > CommandeMax
            || std::any_of(commande.begin(), commande.end(), [](QChar q) { return !q.isPrint(); })) {
            c.Faux("marques");
            return false;
        }
        auto partagee = commandes.constFind(commande);
        if (partagee == commandes.cend())
            partagee = commandes.insert(commande, commande);
        for (qint64 i = *de; i < *a; ++i) {
            lignes[static_cast<std::size_t>(i)].commande = *partagee;
            lignes[static_cast<std::size_t>(i)].serie = *serie;
        }
        fin = *a;
    }
    return true;
}

// The checks that need the whole session: the counter, the chosen line and the cube.
QString Coherence(const EtatSession& e)
{
    const int n = static_cast<int>(e.lignes.size());
    if (e.compteur && *e.compteur != n)
        return QCoreApplication::translate("DocumentSession", "its counter shows %1 but its log has %n line(s)", nullptr, n).arg(*e.compteur);
    if (!e.compteur && n > 0)
        return QCoreApplication::translate("DocumentSession", "its counter shows nothing but its log has %n line(s)", nullptr, n);
    if (e.selection >= n)
        return QCoreApplication::translate("DocumentSession", "its chosen line %1 is not in its log of %n line(s)", nullptr, n).arg(e.selection + 1);
    if (const QString defaut = DefautCube(e.cube); !defaut.isEmpty())
        return QCoreApplication::translate("DocumentSession", "its cube cannot be: %1").arg(defaut);
    return {};
}

// What one pass over JSON text tells before it is parsed: whether it stops inside a string, an
// object or an array (a file cut short rather than damaged in the middle), and how many values it
// holds at most (parsed, each costs tens of bytes, whatever its size in the file).
struct Forme {
    bool inacheve = false;
    qsizetype valeurs = 0;
};

Forme Examiner(const QByteArray& octets)
{
    Forme f;
    int profondeur = 0;
    bool chaine = false, echappe = false;
    for (const char c : octets) {
        if (chaine) {
            chaine = echappe || c != '"';
            echappe = !echappe && c == '\\';
        } else if (c == '"') {
            chaine = true;
        } else {
            profondeur += (c == '{' || c == '[') - (c == '}' || c == ']');
            f.valeurs += c == ',' || c == '{' || c == '[';
        }
    }
    f.inacheve = chaine || profondeur > 0;
    return f;
}

Lu Erreur(const QString& pourquoi)
{
    Lu lu;
    lu.erreur = pourquoi;
    return lu;
}

Lu LireSession(const QJsonObject& racine)
{
    Champs c;
    EtatSession e;
    const QJsonObject cube = racine.value(QLatin1String("cube")).toObject();
    const QJsonObject couches = racine.value(QLatin1String("couches")).toObject();
    const auto colonne = c.Entier(couches.value(QLatin1String("colonne")), "couches.colonne", 0, 2);
    const auto tranche = c.Entier(couches.value(QLatin1String("tranche")), "couches.tranche", 0, 2);
    const auto etage = c.Entier(couches.value(QLatin1String("etage")), "couches.etage", 0, 2);
    const QJsonValue compteur = racine.value(QLatin1String("compteur"));
    if (!compteur.isUndefined())
        e.compteur = static_cast<int>(c.Entier(compteur, "compteur", 0, std::numeric_limits<int>::max()).value_or(0));
    const auto selection = c.Entier(racine.value(QLatin1String("selection")), "selection", -1, std::numeric_limits<int>::max());
    const QJsonValue fichier = racine.value(QLatin1String("fichier"));
    if (!fichier.isUndefined() && (!fichier.isString() || fichier.toString().isEmpty()))
        c.Faux("fichier");
    if (!c.erreur.isEmpty() || !LireCube(cube, e.cube, c) || !LireLignes(racine, e.lignes, c) || !LireMarques(racine, e.lignes, c))
        return Erreur(c.erreur);
    e.couches = {static_cast<int8_t>(*colonne), static_cast<int8_t>(*tranche), static_cast<int8_t>(*etage)};
    e.selection = static_cast<int>(*selection);
    if (const QString pourquoi = Coherence(e); !pourquoi.isEmpty())
        return Erreur(pourquoi);
    Lu lu;
    lu.etat = std::move(e);
    lu.fichier = fichier.toString();
    return lu;
}

QJsonObject EcrireCube(const EtatCube& cube)
{
    QJsonArray faceA, cases;
    for (std::size_t p = 0; p < 6; ++p) {
        faceA.append(cube.faceA[p]);
        QString carres;
        for (int16_t c : cube.cases[p])
            carres += QChar(u'0' + c);
        cases.append(carres);
    }
    return {{QStringLiteral("faceA"), faceA}, {QStringLiteral("cases"), cases}, {QStringLiteral("faceVue"), cube.faceVue}};
}

} // namespace

QString DefautCube(const EtatCube& cube)
{
    if (!Tenues().count(cube.faceA))
        return QCoreApplication::translate("DocumentSession", "its faces stand in an order no cube can be turned to");
    notation::Position p;
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        const int16_t c = cube.cases[static_cast<std::size_t>(cube.faceA[static_cast<std::size_t>(at.position)])][static_cast<std::size_t>(at.square)];
        p.colour[static_cast<std::size_t>(s)] = static_cast<int8_t>(c >= 0 && c <= 5 ? c : 6);
    }
    const std::vector<notation::Fault> defauts = notation::Check(p);
    return defauts.empty() ? QString() : Phrase(defauts.front().message);
}

QByteArray Ecrire(const EtatSession& etat, const QString& fichier)
{
    QJsonArray lignes, marques;
    for (std::size_t i = 0; i < etat.lignes.size();) {
        const LigneSession& l = etat.lignes[i];
        std::size_t j = i + 1;
        while (j < etat.lignes.size() && etat.lignes[j].commande == l.commande && etat.lignes[j].serie == l.serie)
            ++j;
        if (!l.commande.isEmpty())
            marques.append(QJsonObject{{QStringLiteral("de"), qint64(i)}, {QStringLiteral("a"), qint64(j)},
                                       {QStringLiteral("commande"), l.commande}, {QStringLiteral("serie"), l.serie}});
        for (; i < j; ++i)
            lignes.append(etat.lignes[i].texte);
    }
    QJsonObject racine{
        {QStringLiteral("format"), QLatin1String(Format)},
        {QStringLiteral("version"), Version},
        {QStringLiteral("cube"), EcrireCube(etat.cube)},
        {QStringLiteral("couches"), QJsonObject{{QStringLiteral("colonne"), etat.couches.colonne},
                                                {QStringLiteral("tranche"), etat.couches.tranche},
                                                {QStringLiteral("etage"), etat.couches.etage}}},
        {QStringLiteral("selection"), etat.selection},
        {QStringLiteral("lignes"), lignes},
        {QStringLiteral("marques"), marques},
    };
    if (etat.compteur)
        racine.insert(QStringLiteral("compteur"), *etat.compteur);
    if (!fichier.isEmpty())
        racine.insert(QStringLiteral("fichier"), fichier);
    return QJsonDocument(racine).toJson(QJsonDocument::Indented);
}

Lu Lire(const QByteArray& octets)
{
    if (octets.trimmed().isEmpty())
        return Erreur(QCoreApplication::translate("DocumentSession", "it is empty"));
    if (octets.contains('\0') || !QByteArrayView(octets).isValidUtf8())
        return Erreur(QCoreApplication::translate("DocumentSession", "it holds binary data, not a session"));
    if (!octets.trimmed().startsWith('{'))
        return Erreur(QCoreApplication::translate("DocumentSession", "it is not a Merlos session"));
    // A session spends at least a dozen bytes on each value (a line, a mark's field); a file packed
    // with more would take gigabytes to parse.
    const Forme forme = Examiner(octets);
    if (forme.valeurs > octets.size() / 6 + 100)
        return Erreur(QCoreApplication::translate("DocumentSession", "it is not a Merlos session: it holds %1 values in %2 bytes").arg(forme.valeurs).arg(octets.size()));
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(octets, &e);
    if (e.error != QJsonParseError::NoError) {
        if (forme.inacheve)
            return Erreur(QCoreApplication::translate("DocumentSession", "it is cut short: it ends before the session does"));
        return Erreur(QCoreApplication::translate("DocumentSession", "it is damaged near character %1 (%2)").arg(e.offset).arg(e.errorString()));
    }
    const QJsonObject racine = doc.object();
    if (!doc.isObject() || racine.value(QLatin1String("format")).toString() != QLatin1String(Format))
        return Erreur(QCoreApplication::translate("DocumentSession", "it is not a Merlos session"));
    Champs c;
    const auto version = c.Entier(racine.value(QLatin1String("version")), "version", 1, std::numeric_limits<int>::max());
    if (!version)
        return Erreur(c.erreur);
    if (*version > Version)
        return Erreur(QCoreApplication::translate("DocumentSession", "it was saved by a newer Merlos (file version %1); this one reads version %2").arg(*version).arg(Version));
    return LireSession(racine);
}

QString Enregistrer(const QString& chemin, const EtatSession& etat, const QString& fichier, const std::atomic<bool>* annule)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    const QByteArray octets = Ecrire(etat, fichier);
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("DocumentSession", "“%1” cannot be saved: %2.").arg(nom, f.errorString());
    if (f.write(octets) != octets.size() || (annule && annule->load())) {
        const QString pourquoi = f.errorString();
        f.cancelWriting();
        f.commit();
        return annule && annule->load() ? QString() : QCoreApplication::translate("DocumentSession", "“%1” cannot be saved: %2.").arg(nom, pourquoi);
    }
    if (!f.commit())
        return QCoreApplication::translate("DocumentSession", "“%1” cannot be saved: %2.").arg(nom, f.errorString());
    return {};
}

Lu Ouvrir(const QString& chemin)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    auto echec = [&](const QString& pourquoi) { return Erreur(QCoreApplication::translate("DocumentSession", "“%1” cannot be opened: %2.").arg(nom, pourquoi)); };
    // Without O_NONBLOCK a FIFO in the file's place would wait for a writer forever.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return echec(errno == ENOENT ? QCoreApplication::translate("DocumentSession", "it does not exist") : QString::fromLocal8Bit(std::strerror(errno)));
    QFile f;
    f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return echec(S_ISDIR(st.st_mode) ? QCoreApplication::translate("DocumentSession", "it is a folder") : QCoreApplication::translate("DocumentSession", "it is not a regular file"));
    constexpr qint64 Mo = 1024 * 1024;
    if (st.st_size > TailleMax)
        return echec(QCoreApplication::translate("DocumentSession", "it is %1 MB; a session file is at most %2 MB").arg((st.st_size + Mo - 1) / Mo).arg(TailleMax / Mo));
    // What the file held when it was measured, and a byte more: never more than the bound.
    const QByteArray octets = f.read(std::min<qint64>(st.st_size, TailleMax) + 1);
    if (f.error() != QFileDevice::NoError)
        return echec(f.errorString());
    if (octets.size() > TailleMax)
        return echec(QCoreApplication::translate("DocumentSession", "it is larger than %1 MB, the most a session file holds").arg(TailleMax / Mo));
    Lu lu = Lire(octets);
    if (!lu)
        return echec(lu.erreur);
    return lu;
}

} // namespace document
