#include "Conseil.h"

namespace {

QString Nom(Etape e)
{
    switch (e) {
    case Etape::FaceH: return QStringLiteral("\u201cFaceH\u201d");
    case Etape::Arretes: return QStringLiteral("\u201cArretes\u201d");
    case Etape::Coins: return QStringLiteral("\u201cCoins\u201d");
    case Etape::ZoneM: return QStringLiteral("\u201cZone M\u201d");
    case Etape::FaceB: return QStringLiteral("\u201cFace B\u201d");
    case Etape::T: return QStringLiteral("\u201cT\u201d");
    }
    return {};
}

// The first stage, in the order of their buttons, whose work is not done yet.
QString Suivante(const Avancement& a)
{
    if (!a.faceHaut)
        return QStringLiteral("Next: %1.").arg(Nom(Etape::FaceH));
    if (!a.aretes)
        return QStringLiteral("Next: %1.").arg(Nom(Etape::Arretes));
    if (!a.couronne)
        return QStringLiteral("Next: %1.").arg(Nom(Etape::Coins));
    if (!a.milieu)
        return QStringLiteral("Next: %1.").arg(Nom(Etape::ZoneM));
    if (!a.resolu)
        return QStringLiteral("Next: %1.").arg(Nom(Etape::FaceB));
    return QStringLiteral("The cube is solved.");
}

QString Attend(Etape e, const char* condition, Etape avant)
{
    return QStringLiteral("%1 did nothing: it starts once %2. Press %3 first.").arg(Nom(e), QLatin1String(condition), Nom(avant));
}

QString Fait(Etape e, const char* travail, const Avancement& a)
{
    return QStringLiteral("%1 had nothing to do: %2. %3").arg(Nom(e), QLatin1String(travail), Suivante(a));
}

} // namespace

QString Conseil(Etape etape, const Avancement& a)
{
    constexpr const char* haut = "the top face is one colour";
    switch (etape) {
    case Etape::FaceH:
        return a.faceHaut ? Fait(etape, "the top face is already one colour", a) : QString();
    case Etape::Arretes:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH)
                           : Fait(etape, "the top edges already sit over their side centres", a);
    case Etape::Coins:
        if (!a.faceHaut)
            return Attend(etape, haut, Etape::FaceH);
        if (!a.aretes)
            return Attend(etape, "the top edges sit over their side centres", Etape::Arretes);
        return Fait(etape, "the top layer is already complete", a);
    case Etape::ZoneM:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH) : Fait(etape, "the middle layer is already complete", a);
    case Etape::FaceB:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH) : QString();
    case Etape::T:
        if (a.fautesHaut == 0)
            return Fait(etape, "the top face is already one colour", a);
        return QStringLiteral("%1 did nothing: it finishes a top face whose corners alone are wrong. Press %2 first.")
            .arg(Nom(etape), Nom(Etape::FaceH));
    }
    return {};
}
