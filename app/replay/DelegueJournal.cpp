#include "DelegueJournal.h"

#include "Notation.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Room for the widest move ("U'", "x'") and a gap before the line.
QString Gabarit() { return QStringLiteral("M'\u2002"); }

} // namespace

QString DelegueJournal::Affiche(const QString& ligne) const
{
    const auto t = m_Coups ? notation::FromLog(ligne) : std::nullopt;
    return t ? notation::Name(*t) + QStringLiteral("  ") + ligne : ligne;
}

void DelegueJournal::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QString ligne = o.text;
    const int rang = index.row();
    if (rang == m_Faite)
        painter->fillRect(o.rect, QColor(0xff, 0xd8, 0x70));

    // Background, selection and focus as the style draws them, without the text.
    o.text.clear();
    const QWidget* w = option.widget;
    QStyle* style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &o, painter, w);

    const bool choisie = o.state & QStyle::State_Selected;
    const QColor encre = o.palette.color(choisie ? QPalette::HighlightedText : QPalette::Text);
    QRect r = style->subElementRect(QStyle::SE_ItemViewItemText, &o, w);
    // The replay's marker has a strip of its own at the left, on every line alike, so it never
    // hides a letter of the move.
    const int trait = std::max(2, QFontMetrics(o.font).height() / 6);
    r.setLeft(std::max(r.left(), o.rect.left() + 2 * trait));
    painter->save();
    painter->setFont(o.font);
    if (const auto t = m_Coups ? notation::FromLog(ligne) : std::nullopt) {
        QFont gras = o.font;
        gras.setBold(true);
        painter->setFont(gras);
        painter->setPen(choisie ? encre : QColor(0x1a, 0x4f, 0xa0));
        const int large = QFontMetrics(gras).horizontalAdvance(Gabarit());
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, notation::Name(*t));
        r.setLeft(r.left() + large);
        painter->setFont(o.font);
    }
    painter->setPen(encre);
    painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, ligne);
    if (rang == m_Faite)
        painter->fillRect(QRect(o.rect.left(), o.rect.top(), trait, o.rect.height()), QColor(0xd0, 0x50, 0x00));
    if (rang == m_Suivante) {
        painter->setPen(QPen(QColor(0xd0, 0x50, 0x00), 1, Qt::DotLine));
        painter->drawRect(o.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}
