#include "Avis.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QMouseEvent>

#include <algorithm>

Avis::Avis(QWidget* parent, QWidget* dessous) : QLabel(parent), m_Dessous(dessous)
{
    setObjectName(QStringLiteral("Avis"));
    setAccessibleName(QCoreApplication::translate("Avis", "Notice"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setMargin(6);
    setStyleSheet(QStringLiteral("QLabel { background-color: #fff8d0; color: black; border: 1px solid #8a7a30;"
                                 " border-radius: 3px; }"));
    hide();
    m_Fin.setSingleShot(true);
    connect(&m_Fin, &QTimer::timeout, this, &QWidget::hide);
}

void Avis::Montrer(const QString& texte)
{
    // The window's font at its scale: a style sheet keeps it from reaching the note by itself.
    setFont(parentWidget()->font());
    // A long word (a copied position) may break anywhere rather than run off the note.
    QString coupe;
    int mot = 0;
    for (QChar c : texte) {
        mot = c.isSpace() ? 0 : mot + 1;
        if (mot > 12 && !c.isLowSurrogate()) {
            coupe += QChar(0x200B);
            mot = 1;
        }
        coupe += c;
    }
    setText(coupe);
    setToolTip(texte);
    // As wide as the cube, as high as the text needs, along the cube's lower edge.
    const QRect sous = m_Dessous->geometry();
    const int largeur = std::max(120, sous.width() - 8);
    const int hauteur = std::min(heightForWidth(largeur), sous.height());
    setGeometry(sous.left() + (sous.width() - largeur) / 2, sous.bottom() - hauteur - 4, largeur, hauteur);
    raise();
    show();
    // Long enough to read: a second for every 15 characters, from 4 to 12 seconds.
    m_Fin.start(std::clamp(static_cast<int>(texte.size()) * 1000 / 15, 4000, 12000));
    QAccessibleEvent alerte(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerte);
}

void Avis::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    hide();
}
