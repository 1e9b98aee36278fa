// The session's document: random sessions written and read back equal, and every family of damaged
// or foreign file refused with its reason, the session left alone.
#include "DocumentSession.h"
#include "session_aleatoire.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using fichierstest::SessionAleatoire;

TEST(Document, RandomSessionsComeBackExactly)
{
    std::mt19937 rng(2412);
    QTemporaryDir dir;
    for (int i = 0; i < 300; ++i) {
        const EtatSession e = SessionAleatoire(rng);
        const QString fichier = i % 2 ? QStringLiteral("/home/x/travail %1.merlos").arg(i) : QString();
        const document::Lu lu = document::Lire(document::Ecrire(e, fichier));
        ASSERT_TRUE(lu) << i << ": " << lu.erreur.toStdString();
        ASSERT_EQ(*lu.etat, e) << i;
        EXPECT_EQ(lu.fichier, fichier);
        if (i % 50 == 0) { // through a file, as Save and Open do
            const QString chemin = dir.filePath(QStringLiteral("s%1.merlos").arg(i));
            ASSERT_EQ(document::Enregistrer(chemin, e), QString());
            EXPECT_EQ(*document::Ouvrir(chemin).etat, e);
        }
    }
}

// A valid document as JSON, changed by `f`.
static QByteArray Change(const std::function<void(QJsonObject&)>& f)
{
    EtatSession e;
    e.lignes = {{"Horiz Haut Droite", "", 0}, {"En haut  5", "FaceH", 4}, {"*--------", "FaceH", 4}};
    e.compteur = 3;
    QJsonObject o = QJsonDocument::fromJson(document::Ecrire(e)).object();
    f(o);
    return QJsonDocument(o).toJson();
}

static void Ligne(QJsonObject& o, const QJsonValue& v)
{
    QJsonArray l = o["lignes"].toArray();
    l[1] = v;
    o["lignes"] = l;
}

static void Cube(QJsonObject& o, const char* cle, const QJsonValue& v)
{
    QJsonObject c = o["cube"].toObject();
    c[cle] = v;
    o["cube"] = c;
}

TEST(Document, DamagedFilesByFamilySayWhatIsWrong)
{
    const QByteArray bon = Change([](QJsonObject&) {});
    auto cases = [&](int face, const char* carres, int autre = 0, const char* siens = nullptr) {
        QJsonArray c = QJsonDocument::fromJson(bon)["cube"]["cases"].toArray();
        c[face] = carres;
        if (siens)
            c[autre] = siens;
        return c;
    };
    const struct {
        const char* famille;
        QByteArray octets;
        const char* raison;
    } cas[] = {
        {"empty", "", "it is empty"},
        {"blank", " \n\t", "it is empty"},
        {"binary", QByteArray("{\"format\"\0\x01", 12), "binary data"},
        {"not UTF-8", "{\"a\": \"\xff\xfe\"}", "binary data"},
        {"truncated", bon.left(bon.size() / 2), "cut short"},
        {"foreign text", "R U R' U'", "not a Merlos session"},
        {"foreign JSON", R"({"format": "other", "version": 1})", "not a Merlos session"},
        {"JSON array", "[1, 2]", "not a Merlos session"},
        {"broken JSON", R"({"format": "merlos-session", } )", "damaged near character"},
        {"packed with values", "{\"a\": [" + QByteArray(100000, '0').replace("0", "0,") + "0]}", "values in"},
        {"deep nesting", "{\"a\": " + QByteArray(3000, '[') + QByteArray(3000, ']') + ", \"b\": \"" + QByteArray(40000, 'b') + "\"}", "damaged near character"},
        {"newer version", Change([](QJsonObject& o) { o["version"] = 2; }), "newer Merlos (file version 2)"},
        {"version as text", Change([](QJsonObject& o) { o["version"] = "1"; }), "“version”"},
        {"a line never written", Change([](QJsonObject& o) { Ligne(o, "Horiz Haut Droite "); }), "line 2 of its log, “Horiz Haut Droite ”"},
        {"a face past 5", Change([](QJsonObject& o) { Ligne(o, "En haut  6"); }), "line 2 of its log"},
        {"one blank too few", Change([](QJsonObject& o) { Ligne(o, "En haut 5"); }), "line 2 of its log"},
        {"a number for a line", Change([](QJsonObject& o) { Ligne(o, 7); }), "line 2 of its log"},
        {"ten whites", Change([&](QJsonObject& o) { Cube(o, "cases", cases(1, "101111111")); }), "its cube cannot be: white (U) is on 10 squares"},
        {"top and bottom swapped", Change([&](QJsonObject& o) { Cube(o, "cases", cases(0, "555555555", 5, "000000000")); }), "its cube cannot be: the centres are a mirror image"},
        {"faces mirrored", Change([](QJsonObject& o) { Cube(o, "faceA", QJsonArray{5, 1, 2, 3, 4, 0}); }), "no cube can be turned to"},
        {"a face twice", Change([](QJsonObject& o) { Cube(o, "faceA", QJsonArray{0, 0, 2, 3, 4, 5}); }), "no cube can be turned to"},
        {"a colour past 5", Change([&](QJsonObject& o) { Cube(o, "cases", cases(0, "000060000")); }), "“cube.cases”"},
        {"FaceVue past 5", Change([](QJsonObject& o) { Cube(o, "faceVue", 6); }), "“cube.faceVue”"},
        {"counter off by one", Change([](QJsonObject& o) { o["compteur"] = 4; }), "its counter shows 4 but its log has 3 lines"},
        {"no counter over lines", Change([](QJsonObject& o) { o.remove("compteur"); }), "its counter shows nothing"},
        {"chosen line past the end", Change([](QJsonObject& o) { o["selection"] = 3; }), "its chosen line 4 is not in its log of 3 lines"},
        {"chosen line below -1", Change([](QJsonObject& o) { o["selection"] = -2; }), "“selection”"},
        {"a layer past 2", Change([](QJsonObject& o) { o["couches"] = QJsonObject{{"colonne", 3}, {"tranche", 0}, {"etage", 0}}; }), "“couches.colonne”"},
        {"marks past the log", Change([](QJsonObject& o) { o["marques"] = QJsonArray{QJsonObject{{"de", 1}, {"a", 4}, {"commande", "A"}, {"serie", 1}}}; }), "“marques”"},
        {"marks overlapping", Change([](QJsonObject& o) { o["marques"] = QJsonArray{QJsonObject{{"de", 0}, {"a", 2}, {"commande", "A"}, {"serie", 1}}, QJsonObject{{"de", 1}, {"a", 3}, {"commande", "B"}, {"serie", 2}}}; }), "“marques”"},
        {"a mark without command", Change([](QJsonObject& o) { o["marques"] = QJsonArray{QJsonObject{{"de", 0}, {"a", 1}, {"commande", ""}, {"serie", 1}}}; }), "“marques”"},
        {"a huge serial", Change([](QJsonObject& o) { o["marques"] = QJsonArray{QJsonObject{{"de", 0}, {"a", 1}, {"commande", "A"}, {"serie", 1e300}}}; }), "“marques”"},
    };
    for (const auto& c : cas) {
        const document::Lu lu = document::Lire(c.octets);
        EXPECT_FALSE(lu) << c.famille;
        EXPECT_TRUE(lu.erreur.contains(QString::fromUtf8(c.raison))) << c.famille << ": " << lu.erreur.toStdString();
    }
}

TEST(Document, FilesThatAreNoSessionAreRefusedByNameAndAFailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.merlos"), gros = dir.filePath("gros.merlos"), bon = dir.filePath("bon.merlos");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile g(gros);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly) && g.resize(document::TailleMax + 1)); // sparse: nothing is read
    const struct {
        QString chemin;
        const char* raison;
    } cas[] = {{dir.filePath("absent.merlos"), "it does not exist"}, {dir.path(), "it is a folder"},
               {fifo, "it is not a regular file"}, {gros, "it is 129 MB; a session file is at most 128 MB"}};
    for (const auto& c : cas)
        EXPECT_EQ(document::Ouvrir(c.chemin).erreur, QStringLiteral("“%1” cannot be opened: %2.").arg(c.chemin, c.raison));

    std::mt19937 rng(7);
    const EtatSession e = SessionAleatoire(rng);
    ASSERT_EQ(document::Enregistrer(bon, e), QString());
    const std::atomic<bool> annule{true};
    EXPECT_EQ(document::Enregistrer(bon, SessionAleatoire(rng), {}, &annule), QString());
    EXPECT_EQ(*document::Ouvrir(bon).etat, e) << "a cancelled save leaves the file as it was";
    EXPECT_TRUE(document::Enregistrer(dir.filePath("absent/s.merlos"), e).startsWith(QStringLiteral("“%1” cannot be saved: ").arg(dir.filePath("absent/s.merlos"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no file left half-written";
}

// The fuzzer's inputs, seeds and any crash it kept: each refused with a reason or read, written and
// read again the same.
TEST(Document, EveryInputTheFuzzerKeptReadsBackOrIsRefused)
{
    int lues = 0;
    for (const char* sous : {"corpus", "crashes"})
        for (const QFileInfo& f : QDir(QStringLiteral(MERLO_FUZZ_DIR) + '/' + sous).entryInfoList(QDir::Files)) {
            const document::Lu lu = document::Ouvrir(f.filePath());
            if (f.fileName().startsWith("valid")) {
                EXPECT_TRUE(lu) << f.fileName().toStdString() << ": " << lu.erreur.toStdString();
            }
            if (!lu) {
                EXPECT_FALSE(lu.erreur.isEmpty());
                continue;
            }
            ++lues;
            const document::Lu encore = document::Lire(document::Ecrire(*lu.etat, lu.fichier));
            EXPECT_EQ(encore.etat, lu.etat) << f.fileName().toStdString();
        }
    EXPECT_GE(lues, 2);
}
