#include "MarquesProvisoires.h"

#include "Marques.h"
#include "Merlo.h"

#include <QListWidget>
#include <QPushButton>

#include <memory>

void MarquerCommandes(Merlo& w)
{
    auto serie = std::make_shared<qint64>(0);
    for (QPushButton* b : {w.Melange, w.RangerHaut, w.IdM, w.IdC, w.RangerM, w.FaceB, w.UneFace, w.Ar, w.CG, w.CD, w.A,
                           w.B, w.PA, w.PC}) {
        auto avant = std::make_shared<int>(0);
        QObject::connect(b, &QPushButton::pressed, b, [&w, avant] { *avant = w.List1->count(); });
        // Connected after the window's own command, so this runs once the command has written its lines.
        QObject::connect(b, &QPushButton::clicked, b, [&w, b, avant, serie] {
            const QString commande = b->text();
            ++*serie;
            for (int i = std::min(*avant, w.List1->count()); i < w.List1->count(); ++i) {
                QListWidgetItem* item = w.List1->item(i);
                if (item->data(marques::RoleCommande).isValid())
                    continue;
                item->setData(marques::RoleCommande, commande);
                item->setData(marques::RoleSerie, *serie);
            }
        });
    }
}
