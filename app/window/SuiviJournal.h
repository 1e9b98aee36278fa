// Keeps the newest line of a log in sight as lines are added, unless the reader has scrolled back;
// scrolling to the end follows again. The selection is never touched.
#pragma once

#include <QObject>

class QAbstractItemView;

class SuiviJournal : public QObject {
public:
    explicit SuiviJournal(QAbstractItemView* liste);

private:
    bool m_Suit = true;
};
