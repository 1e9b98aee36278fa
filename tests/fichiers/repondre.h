// Answers the next message box as a person would, by clicking one of its buttons.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

namespace fichierstest {

// Clicks the button `choisir` picks in the next message box; what the box said comes back.
inline std::shared_ptr<QString> Repondre(std::function<QAbstractButton*(QMessageBox&)> choisir)
{
    auto dit = std::make_shared<QString>();
    auto* t = new QTimer;
    QObject::connect(t, &QTimer::timeout, [t, choisir, dit, essais = 0]() mutable {
        if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); b || ++essais > 6000) {
            if (b) {
                *dit = b->text() + QLatin1Char(' ') + b->informativeText();
                choisir(*b)->click();
            }
            t->deleteLater();
        }
    });
    t->start(10);
    return dit;
}

inline std::shared_ptr<QString> Repondre(QMessageBox::StandardButton bouton)
{
    return Repondre([bouton](QMessageBox& b) { return b.button(bouton); });
}

// A button of the box by its object name.
inline std::shared_ptr<QString> Repondre(const char* nom)
{
    return Repondre([nom](QMessageBox& b) { return b.findChild<QAbstractButton*>(QLatin1String(nom)); });
}

} // namespace fichierstest
