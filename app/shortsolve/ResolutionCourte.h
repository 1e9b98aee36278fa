// "Solve in few moves": the short solver run on a worker thread over the cube as it stands, then its
// moves played through the buttons that make them, so the log holds the buttons' own lines.
#pragma once

#include "Contexte.h"
#include "Position.h"
#include "ShortSolve.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>

class QAction;
class QThread;

// The window's action for the command: objectName "ResoudreCourt", Ctrl+Shift+S.
QAction* CreerActionResoudreCourt(QObject* parent);

class ResolutionCourte : public QObject {
    Q_OBJECT

public:
    explicit ResolutionCourte(const Contexte& c);
    ~ResolutionCourte() override;

    // Starts a search; does nothing while one runs or its moves are being played.
    void Lancer();
    bool EnCours() const { return m_EnCours; }

private:
    void Trouve(const shortsolve::Result& r);
    void Finir();

    Contexte m_C;
    bool m_EnCours = false;
    notation::Position m_Depart{};
    std::optional<shortsolve::Held> m_Tenu;
    std::atomic<bool> m_Annuler{false};
    QThread* m_Fil = nullptr;
};
