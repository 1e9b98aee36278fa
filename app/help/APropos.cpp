#include "APropos.h"

#include "Bureau.h"
#include "CUBEHost.h"
#include "MerlosVersion.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

// The licence as paragraphs, so that it wraps at the dialog's width rather than at the file's.
QString Licence()
{
    QFile f(QStringLiteral(":/merlos/LICENSE"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList paragraphes = QString::fromUtf8(f.readAll()).split(QStringLiteral("\n\n"));
    for (QString& p : paragraphes)
        p = p.simplified();
    return paragraphes.join(QStringLiteral("\n\n"));
}

QString Module()
{
    const QString chemin = CUBEHost::LoadedModulePath();
    return chemin.isEmpty() ? QCoreApplication::translate("APropos", "not loaded") : QDir::toNativeSeparators(chemin);
}

} // namespace

QString TexteAPropos()
{
    return QCoreApplication::translate("APropos", "Merlos %1\n"
                          "The 3×3×3 cube: turn it, scramble it, solve it stage by stage.\n"
                          "Copyright © The Merlos developers. MIT License.\n"
                          "Qt %2\n"
                          "Control module: %3")
        .arg(QLatin1String(MerlosVersion), QLatin1String(qVersion()), Module());
}

QDialog* MontrerAPropos(QWidget* parent)
{
    auto* d = new QDialog(parent ? parent->window() : nullptr);
    d->setObjectName(QStringLiteral("APropos"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(QCoreApplication::translate("APropos", "About Merlos"));
    d->setWindowIcon(IconeMerlos());

    auto* icone = new QLabel(d);
    icone->setPixmap(IconeMerlos().pixmap(64, 64));
    icone->setAlignment(Qt::AlignCenter);

    auto* nom = new QLabel(QStringLiteral("Merlos %1").arg(QLatin1String(MerlosVersion)), d);
    nom->setObjectName(QStringLiteral("AProposNom"));
    QFont grand = nom->font();
    grand.setPointSizeF(grand.pointSizeF() * 1.6);
    grand.setBold(true);
    nom->setFont(grand);
    nom->setAlignment(Qt::AlignCenter);

    auto* faits = new QLabel(TexteAPropos().section(QLatin1Char('\n'), 1), d);
    faits->setObjectName(QStringLiteral("AProposFaits"));
    faits->setAlignment(Qt::AlignCenter);
    faits->setWordWrap(true);
    // A reader may want the module's path or the versions for a report.
    faits->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* licence = new QPlainTextEdit(Licence(), d);
    licence->setObjectName(QStringLiteral("AProposLicence"));
    licence->setReadOnly(true);
    licence->setAccessibleName(QCoreApplication::translate("APropos", "Licence"));
    licence->setMinimumHeight(licence->fontMetrics().lineSpacing() * 8);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, d);
    QObject::connect(boutons, &QDialogButtonBox::rejected, d, &QDialog::close);

    auto* l = new QVBoxLayout(d);
    l->addWidget(icone);
    l->addWidget(nom);
    l->addWidget(faits);
    l->addWidget(licence, 1);
    l->addWidget(boutons);
    d->resize(d->sizeHint().expandedTo(QSize(460, 420)));
    boutons->button(QDialogButtonBox::Close)->setFocus();
    d->open();
    return d;
}
