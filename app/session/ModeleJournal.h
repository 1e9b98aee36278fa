// The log as an item model, for List1: one row per line, reading exactly the line (DisplayRole),
// its mark in marques::RoleCommande and marques::RoleSerie. Its selection model is the session's
// chosen line, kept in step both ways: a line picked in the view is the session's choice, and the
// session's choice is what the view shows selected.
#pragma once

#include <QAbstractListModel>

class ModeleSession;
class QItemSelectionModel;

class ModeleJournal : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ModeleJournal(ModeleSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // For the view: setSelectionModel(Selection()).
    QItemSelectionModel* Selection() const { return m_Selection; }

private:
    // The selected row in the view, or -1.
    int LigneVue() const;
    // Shows the session's choice, if the view shows another.
    void VersVue();

    ModeleSession& m_S;
    QItemSelectionModel* m_Selection;
    // The lines are changing: the view's selection follows the rows, not the person.
    bool m_Change = false;
};
