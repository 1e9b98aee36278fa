#include "LigneCommande.h"

#include "MerlosVersion.h"
#include "Traductions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

QString Tr(const char* texte) { return QCoreApplication::translate("LigneCommande", texte); }

// Writes `texte` whole to `flux`; false when it could not be.
bool Ecrire(std::FILE* flux, const QString& texte)
{
    const QByteArray octets = texte.toLocal8Bit();
    return std::fwrite(octets.constData(), 1, std::size_t(octets.size()), flux) == std::size_t(octets.size()) && std::fflush(flux) == 0;
}

// Help and version: the status says whether they reached standard output.
int Afficher(const QString& texte)
{
    if (Ecrire(stdout, texte))
        return 0;
    Ecrire(stderr, QStringLiteral("Merlos: ") + Tr(QT_TRANSLATE_NOOP("LigneCommande", "cannot write standard output: %1\n")).arg(qt_error_string(errno)));
    return 1;
}

int MauvaisUsage(const QString& pourquoi)
{
    Ecrire(stderr, QStringLiteral("Merlos: ") + pourquoi + QLatin1Char('\n') + Tr(QT_TRANSLATE_NOOP("LigneCommande", "usage: Merlos [-h] [-v] [FILE]\n")));
    return 2;
}

} // namespace

std::optional<int> RepondreSansFenetre(int argc, char** argv)
{
    bool question = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* o : {"-h", "--help", "-v", "--version"})
            question = question || std::strcmp(argv[i], o) == 0;
    if (!question)
        return std::nullopt;
    // The help names the program as it was called, without its folder.
    std::vector<char*> args(argv, argv + argc);
    if (const char* barre = std::strrchr(args[0], '/'); barre && barre[1])
        args[0] = const_cast<char*>(barre + 1);
    int n = argc;
    QCoreApplication app(n, args.data());
    ChargerTraductions();
    int fin = 0;
    LireLigneCommande(QCoreApplication::arguments(), &fin);
    return fin;
}

std::optional<Demande> LireLigneCommande(const QStringList& arguments, int* fin)
{
    QCommandLineParser lecteur;
    lecteur.setApplicationDescription(Tr(QT_TRANSLATE_NOOP("LigneCommande", "Turn, scramble and solve the 3×3×3 cube, stage by stage.")));
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")}, Tr(QT_TRANSLATE_NOOP("LigneCommande", "Show this help and end.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, Tr(QT_TRANSLATE_NOOP("LigneCommande", "Show the version and end.")));
    lecteur.addOptions({aide, version});
    lecteur.addPositionalArgument(QStringLiteral("FILE"), Tr(QT_TRANSLATE_NOOP("LigneCommande", "A saved session to open.")), QStringLiteral("[FILE]"));
    if (!lecteur.parse(arguments)) {
        *fin = MauvaisUsage(lecteur.errorText());
        return std::nullopt;
    }
    if (lecteur.isSet(aide)) {
        *fin = Afficher(lecteur.helpText());
        return std::nullopt;
    }
    if (lecteur.isSet(version)) {
        *fin = Afficher(QStringLiteral("Merlos %1\n").arg(QLatin1String(MerlosVersion)));
        return std::nullopt;
    }
    const QStringList fichiers = lecteur.positionalArguments();
    if (fichiers.size() > 1) {
        *fin = MauvaisUsage(Tr(QT_TRANSLATE_NOOP("LigneCommande", "only one FILE can be opened")));
        return std::nullopt;
    }
    return Demande{fichiers.value(0)};
}
