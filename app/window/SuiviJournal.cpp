#include "SuiviJournal.h"

#include <QAbstractItemView>
#include <QScrollBar>

SuiviJournal::SuiviJournal(QAbstractItemView* liste) : QObject(liste)
{
    QScrollBar* barre = liste->verticalScrollBar();
    // The list lays out new lines later, when it next has time; the range grows then.
    connect(barre, &QScrollBar::rangeChanged, this, [this, barre](int, int fin) {
        if (m_Suit)
            barre->setValue(fin);
    });
    connect(barre, &QScrollBar::valueChanged, this, [this, barre](int v) { m_Suit = v >= barre->maximum(); });
}
