// The window's log as tests read it: the lines the session holds, and the line chosen in List1 as
// the view shows it, picked as a person picks it there.
#pragma once

#include "Merlo.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QListView>
#include <QStringList>

inline int LogCount(const Merlo& m) { return m.Session().Nombre(); }
inline QString LogLine(const Merlo& m, int i) { return m.Session().Ligne(i); }
inline QStringList LogLines(const Merlo& m) { return m.Session().Lignes(); }
inline QModelIndex RowIndex(const Merlo& m, int row) { return m.List1->model()->index(row, 0); }
// What the view's row holds in `role` (the marks of Marques.h).
inline QVariant LogData(const Merlo& m, int row, int role) { return RowIndex(m, row).data(role); }
// The row List1 shows selected, or -1.
inline int SelectedRow(const Merlo& m)
{
    const QModelIndexList rows = m.List1->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}
inline int SelectedCount(const Merlo& m) { return static_cast<int>(m.List1->selectionModel()->selectedIndexes().size()); }
// Chooses a row in List1 as the keyboard does (-1: none).
inline void SelectRow(const Merlo& m, int row)
{
    if (row < 0) {
        m.List1->clearSelection();
        m.List1->setCurrentIndex(QModelIndex());
        return;
    }
    m.List1->setCurrentIndex(RowIndex(m, row));
}
