#include "Conseil.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Conseil", "Next: %1.").arg(Nom(Etape::FaceH));
    if (!a.aretes)
        return QCoreApplication::translate("Conseil", "Next: %1.").arg(Nom(Etape::Arretes));
    if (!a.couronne)
        return QCoreApplication::translate("Conseil", "Next: %1.").arg(Nom(Etape::Coins));
    if (!a.milieu)
        return QCoreApplication::translate("Conseil", "Next: %1.").arg(Nom(Etape::ZoneM));
    if (!a.resolu)
        return QCoreApplication::translate("Conseil", "Next: %1.").arg(Nom(Etape::FaceB));
    return QCoreApplication::translate("Conseil", "The cube is solved.");
}

QString Attend(Etape e, const char* condition, Etape avant)
{
    return QCoreApplication::translate("Conseil", "%1 did nothing: it starts once %2. Press %3 first.").arg(Nom(e), QCoreApplication::translate("Conseil", condition), Nom(avant));
}

QString Fait(Etape e, const char* travail, const Avancement& a)
{
    return QCoreApplication::translate("Conseil", "%1 had nothing to do: %2. %3").arg(Nom(e), QCoreApplication::translate("Conseil", travail), Suivante(a));
}

} // namespace

QString Conseil(Etape etape, const Avancement& a)
{
    constexpr const char* haut = QT_TRANSLATE_NOOP("Conseil", "the top face is one colour");
    switch (etape) {
    case Etape::FaceH:
        return a.faceHaut ? Fait(etape, QT_TRANSLATE_NOOP("Conseil", "the top face is already one colour"), a) : QString();
    case Etape::Arretes:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH)
                           : Fait(etape, QT_TRANSLATE_NOOP("Conseil", "the top edges already sit over their side centres"), a);
    case Etape::Coins:
        if (!a.faceHaut)
            return Attend(etape, haut, Etape::FaceH);
        if (!a.aretes)
            return Attend(etape, QT_TRANSLATE_NOOP("Conseil", "the top edges sit over their side centres"), Etape::Arretes);
        return Fait(etape, QT_TRANSLATE_NOOP("Conseil", "the top layer is already complete"), a);
    case Etape::ZoneM:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH) : Fait(etape, QT_TRANSLATE_NOOP("Conseil", "the middle layer is already complete"), a);
    case Etape::FaceB:
        return !a.faceHaut ? Attend(etape, haut, Etape::FaceH) : QString();
    case Etape::T:
        if (a.fautesHaut == 0)
            return Fait(etape, QT_TRANSLATE_NOOP("Conseil", "the top face is already one colour"), a);
        return QCoreApplication::translate("Conseil", "%1 did nothing: it finishes a top face whose corners alone are wrong. Press %2 first.")
            .arg(Nom(etape), Nom(Etape::FaceH));
    }
    return {};
}
