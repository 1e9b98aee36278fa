// How the log draws its lines: each turn's move in notation before the line ("R'  Vert Droite
// Bas"), and a marker of its own on the line a replay has just made. The item's text stays exactly
// the line, since "Inv", "I" and the stages read it; only the drawing changes.
#pragma once

#include <QStyledItemDelegate>

class DelegueJournal : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void MontrerCoups(bool oui) { m_Coups = oui; }
    bool CoupsMontres() const { return m_Coups; }
    // The line marked as the replay's current one (-1: none), and the next one, outlined.
    void Marquer(int faite, int suivante)
    {
        m_Faite = faite;
        m_Suivante = suivante;
    }

    // What the line shows: its move, if it is a turn and moves are shown, then its text.
    QString Affiche(const QString& ligne) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool m_Coups = true;
    int m_Faite = -1, m_Suivante = -1;
};
