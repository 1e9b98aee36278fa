#include "Aide.h"

#include "Traductions.h"

#include "APropos.h"
#include "Bureau.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QVBoxLayout>

QString Aide::Texte()
{
    // One file per language: Aide.md in English, Aide.fr.md in French.
    QFile f(LangueChoisie() == QLatin1String("en") ? QStringLiteral(":/merlos/Aide.md")
                                                   : QStringLiteral(":/merlos/Aide.%1.md").arg(LangueChoisie()));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

Aide::Aide(QWidget* fenetre) : QWidget(fenetre, Qt::Window)
{
    setObjectName(QStringLiteral("Aide"));
    setWindowTitle(tr("Merlos Help"));
    setWindowIcon(IconeMerlos());
    setAccessibleName(tr("Merlos Help"));
    // The help has its own font, not the main window's small one drawn for its layout.
    setFont(QFont());

    Page = new QTextBrowser(this);
    Page->setObjectName(QStringLiteral("AidePage"));
    Page->setAccessibleName(tr("Help text"));
    Page->setOpenExternalLinks(false);
    Page->setOpenLinks(true);
    // A caret for the keyboard: arrows, Page Up and Down, Ctrl+Home and Ctrl+End, and selecting.
    Page->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    Page->document()->setDocumentMargin(12);
    Page->document()->setMarkdown(Texte(), QTextDocument::MarkdownDialectGitHub);
    // Tables without rules, their columns apart: quieter than the grid of double lines they get.
    for (QTextFrame* f : Page->document()->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(f)) {
            QTextTableFormat format = table->format();
            format.setBorder(0);
            format.setCellPadding(2);
            format.setCellSpacing(4);
            table->setFormat(format);
        }
    Page->moveCursor(QTextCursor::Start);

    auto* libelle = new QLabel(tr("&Find:"), this);
    Recherche = new QLineEdit(this);
    Recherche->setObjectName(QStringLiteral("AideRecherche"));
    Recherche->setAccessibleName(tr("Find in the help"));
    Recherche->setPlaceholderText(tr("Ctrl+F, then Enter or F3 for the next place"));
    Recherche->setClearButtonEnabled(true);
    libelle->setBuddy(Recherche);
    auto* suivant = new QPushButton(tr("&Next"), this);
    suivant->setObjectName(QStringLiteral("AideSuivant"));
    suivant->setToolTip(tr("Next place (F3 or Enter)"));
    auto* precedent = new QPushButton(tr("&Previous"), this);
    precedent->setObjectName(QStringLiteral("AidePrecedent"));
    precedent->setToolTip(tr("Previous place (Shift+F3)"));
    Etat = new QLabel(this);
    Etat->setObjectName(QStringLiteral("AideEtat"));

    auto* aPropos = new QPushButton(tr("&About Merlos"), this);
    aPropos->setObjectName(QStringLiteral("AideAPropos"));
    auto* fermer = new QPushButton(tr("&Close"), this);
    fermer->setObjectName(QStringLiteral("AideFermer"));
    fermer->setToolTip(tr("Close the help (Esc)"));

    auto* haut = new QHBoxLayout;
    haut->addWidget(libelle);
    haut->addWidget(Recherche, 1);
    haut->addWidget(suivant);
    haut->addWidget(precedent);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Etat, 1);
    bas->addWidget(aPropos);
    bas->addWidget(fermer);
    auto* l = new QVBoxLayout(this);
    l->addLayout(haut);
    l->addWidget(Page, 1);
    l->addLayout(bas);
    setTabOrder(Recherche, suivant);
    setTabOrder(suivant, precedent);
    setTabOrder(precedent, Page);
    setTabOrder(Page, aPropos);
    setTabOrder(aPropos, fermer);

    connect(Recherche, &QLineEdit::returnPressed, this, [this] { Suivant(); });
    connect(Recherche, &QLineEdit::textChanged, Etat, &QLabel::clear);
    connect(suivant, &QPushButton::clicked, this, [this] { Suivant(); });
    connect(precedent, &QPushButton::clicked, this, [this] { Suivant(true); });
    connect(aPropos, &QPushButton::clicked, this, [this] { MontrerAPropos(this); });
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);

    auto touche = [this](const QKeySequence& k, auto action) {
        auto* s = new QShortcut(k, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    touche(QKeySequence::Find, [this] {
        Recherche->setFocus(Qt::ShortcutFocusReason);
        Recherche->selectAll();
    });
    touche(QKeySequence::FindNext, [this] { Suivant(); });
    touche(QKeySequence::FindPrevious, [this] { Suivant(true); });
    touche(QKeySequence(Qt::Key_Escape), [this] { close(); });

    // Closing the main window closes its help too, whatever happens to the main window afterwards.
    fenetre->installEventFilter(this);
    resize(620, 680);
    Page->setFocus();
}

bool Aide::Suivant(bool arriere)
{
    const QString texte = Recherche->text();
    if (texte.isEmpty()) {
        Recherche->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const QTextDocument::FindFlags sens = arriere ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (Page->find(texte, sens)) {
        Etat->clear();
        return true;
    }
    // Round again from the other end.
    QTextCursor c = Page->textCursor();
    c.movePosition(arriere ? QTextCursor::End : QTextCursor::Start);
    Page->setTextCursor(c);
    if (Page->find(texte, sens)) {
        Etat->setText(arriere ? tr("Went on from the end") : tr("Went on from the top"));
        return true;
    }
    Etat->setText(tr("“%1” is not in the help").arg(texte));
    return false;
}

bool Aide::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == parent() && event->type() == QEvent::Close)
        close();
    return QWidget::eventFilter(objet, event);
}

Aide* MontrerAide(QWidget* fenetre)
{
    QWidget* principale = fenetre->window();
    Aide* aide = principale->findChild<Aide*>(QStringLiteral("Aide"), Qt::FindDirectChildrenOnly);
    if (!aide)
        aide = new Aide(principale);
    aide->show();
    aide->setWindowState(aide->windowState() & ~Qt::WindowMinimized);
    aide->raise();
    aide->activateWindow();
    return aide;
}
