#include "SaisieMouvements.h"

#include "Contexte.h"
#include "Historique.h"
#include "JouerNotation.h"

#include <QScreen>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SaisieMouvements::SaisieMouvements(const Contexte& c) : QDialog(&c.fenetre), m_C(c)
{
    setObjectName(QStringLiteral("SaisieMouvements"));
    setWindowTitle(QCoreApplication::translate("SaisieMouvements", "Play moves"));
    setModal(false);

    auto* invite = new QLabel(QCoreApplication::translate("SaisieMouvements", "&Moves in cube notation, as R U R' U' or (R U R' U')3:"), this);
    m_Texte = new QLineEdit(this);
    m_Texte->setObjectName(QStringLiteral("Mouvements"));
    m_Texte->setAccessibleName(QCoreApplication::translate("SaisieMouvements", "Moves to play"));
    m_Texte->setPlaceholderText(QStringLiteral("R U R' U'"));
    m_Texte->setClearButtonEnabled(true);
    m_Texte->setMinimumWidth(m_Texte->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 32);
    invite->setBuddy(m_Texte);
    m_Etat = new QLabel(this);
    m_Etat->setObjectName(QStringLiteral("EtatMouvements"));
    m_Etat->setAccessibleName(QCoreApplication::translate("SaisieMouvements", "What the moves make"));
    m_Etat->setWordWrap(true);
    m_Etat->setTextFormat(Qt::PlainText);

    auto* boutons = new QDialogButtonBox(this);
    m_Jouer = boutons->addButton(QCoreApplication::translate("SaisieMouvements", "&Play"), QDialogButtonBox::AcceptRole);
    m_Jouer->setObjectName(QStringLiteral("JouerMouvements"));
    // Enter presses it.
    m_Jouer->setDefault(true);
    boutons->addButton(QDialogButtonBox::Close);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(m_Jouer, &QPushButton::clicked, this, &SaisieMouvements::Jouer);
    connect(m_Texte, &QLineEdit::textChanged, this, &SaisieMouvements::Lire);

    auto* l = new QVBoxLayout(this);
    l->addWidget(invite);
    l->addWidget(m_Texte);
    l->addWidget(m_Etat);
    l->addWidget(boutons);
    Lire();
}

void SaisieMouvements::Ouvrir()
{
    adjustSize();
    Placer();
    show();
    raise();
    activateWindow();
    m_Texte->setFocus();
    m_Texte->selectAll();
}

void SaisieMouvements::Lire()
{
    m_Lu = notation::Parse(m_Texte->text());
    const auto n = m_Lu.turns.size();
    m_Etat->setText(m_Lu.error            ? m_Lu.error->message
                    : m_Texte->text().trimmed().isEmpty() ? QCoreApplication::translate("SaisieMouvements", "Type moves, then press Enter to play them.")
                    : n == 0                 ? QCoreApplication::translate("SaisieMouvements", "No moves to play.")
                                             : QCoreApplication::translate("SaisieMouvements", "%n quarter turn(s): Enter plays them.", nullptr, int(n)));
    m_Jouer->setEnabled(m_Lu && n > 0);
    // As high as its whole message needs.
    if (isVisible() && height() < sizeHint().height())
        resize(width(), sizeHint().height());
}

void SaisieMouvements::Placer()
{
    // Beside the cube, never over it: right of the window, left of it, then right of the cube or
    // under it, the first that the screen holds.
    const QRect cube(m_C.cube->mapToGlobal(QPoint(0, 0)), m_C.cube->size());
    const QRect fenetre = m_C.fenetre.frameGeometry();
    const QRect ecran = m_C.fenetre.screen() ? m_C.fenetre.screen()->availableGeometry() : QRect();
    const QSize cadre = frameGeometry().size() - geometry().size();
    const QSize t = size() + cadre;
    const QPoint essais[] = {{fenetre.right() + 8, cube.top()}, {fenetre.left() - t.width() - 8, cube.top()},
                             {cube.right() + 8, cube.top()}, {cube.left(), cube.bottom() + 8}};
    QPoint choisi = essais[0];
    for (const QPoint& p : essais) {
        const QRect r(p, t);
        if ((ecran.isEmpty() || ecran.contains(r)) && !r.intersects(cube)) {
            choisi = p;
            break;
        }
    }
    move(choisi);
}

void SaisieMouvements::Jouer()
{
    if (!m_Jouer->isEnabled())
        return;
    // A copy: the text can change while they play, since the window takes keys between turns.
    const std::vector<notation::Turn> tours = m_Lu.turns;
    m_Texte->selectAll();
    m_C.histoire.Executer(QStringLiteral("Coller"), tr("Play moves"), [&] { JouerTours(m_C.session, tours, m_C.ceder); });
}
