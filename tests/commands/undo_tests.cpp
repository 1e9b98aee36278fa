// Undo and Redo of whole commands: random runs of every kind of command, taken back to the start
// and made again to the end, give back every state in between exactly.
#include "clipboard_support.h"

#include "Historique.h"
#include "Marques.h"
#include "Notation.h"
#include "random_pieces.h"

#include <QAction>
#include <QTimer>

#include <random>

namespace {

// All a step brings back: the session's snapshot, and what the window shows of it.
struct State {
    EtatSession session;
    QString options, counter;
    int selected = -1;
    std::vector<QString> rows; // as List1's rows read
    bool operator==(const State&) const = default;
};

std::ostream& operator<<(std::ostream& os, const State& s)
{
    const EtatSession& e = s.session;
    os << "positions";
    for (int16_t f : e.cube.faceA)
        os << ' ' << f;
    for (const auto& face : e.cube.cases) {
        os << " |";
        for (int16_t c : face)
            os << c;
    }
    os << " view " << e.cube.faceVue << " options " << s.options.toStdString() << " counter \"" << s.counter.toStdString()
       << "\" selected " << s.selected << "/" << e.selection << " lines " << e.lignes.size();
    if (!e.lignes.empty())
        os << " last \"" << e.lignes.back().texte.toStdString() << "\" " << e.lignes.back().commande.toStdString();
    return os;
}

class Undo : public OnWindow {
protected:
    State Now()
    {
        State s;
        s.session = w->Session().Instantane();
        s.options = Checked("OptGauche", "OptM", "OptDroit") + Checked("OptArr", "OptMi", "OptFront") +
                    Checked("OptHaut", "OptMil", "OptBas");
        s.counter = Counter();
        s.selected = SelectedRow(*w);
        for (int i = 0; i < w->List1->model()->rowCount(); ++i) {
            s.rows.push_back(LogData(*w, i, Qt::DisplayRole).toString());
            // The view's marks are the session's.
            EXPECT_EQ(LogData(*w, i, marques::RoleCommande).toString(), s.session.lignes[std::size_t(i)].commande);
        }
        // The window shows the session: its counter, its choices, its chosen line.
        EXPECT_EQ(s.counter, s.session.compteur ? QString::number(*s.session.compteur) : QString());
        EXPECT_EQ(s.selected, s.session.selection);
        return s;
    }
    void Trigger(const char* name) { Action(name)->trigger(); }
};

TEST_F(Undo, RandomCommandsUndoneToTheStartAndRedoneToTheEndGiveBackEveryState)
{
    const char* buttons[] = {"HHD", "HGM", "VBD", "VHM", "TDA", "TGF", "Haut", "Bas", "Gauche", "Droite", "Ar", "CG",
                             "CD", "A", "B", "PA", "PC", "Init", "Clear", "Inv", "InvD", "Melange",
                             "RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace"};
    const char* moves[] = {"R U R' U'", "(F2 D')2 x", "[M, E] y'", "r S2 B", "L' z"};
    std::mt19937 rng(1717);
    for (int run = 0; run < 4; ++run) {
        SCOPED_TRACE(run);
        // Each step: the state just before its command and just after it.
        std::vector<std::pair<State, State>> steps;
        const int startIndex = w->Histoire().Index();
        for (int step = 0; step < 40; ++step) {
            // The selection is the user's, not a command: it changes between commands.
            if (LogCount(*w) && rng() % 3 == 0)
                SelectRow(*w, int(rng() % unsigned(LogCount(*w))));
            const State was = Now();
            const int before = w->Histoire().Index();
            const unsigned kind = rng() % 10;
            if (kind < 6) {
                const char* b = buttons[rng() % std::size(buttons)];
                w->Session().SeedMelange(rng());
                Press(b);
            } else if (kind == 6 && LogCount(*w)) {
                // Removal of the selected line, as a double-click does it.
                SelectRow(*w, int(rng() % unsigned(LogCount(*w))));
                const State chosen = Now();
                emit w->List1->doubleClicked(w->List1->currentIndex());
                ASSERT_EQ(w->Histoire().Index(), before + 1);
                steps.emplace_back(chosen, Now());
                continue;
            } else if (kind == 7) {
                Paste(QString::fromUtf8(moves[rng() % std::size(moves)]));
            } else if (kind == 8) {
                Paste(notation::WritePosition(notation::PositionOf(notationtest::RandomPieces(rng))));
            } else {
                Trigger("CopierMouvements"); // changes nothing: no step
            }
            const int after = w->Histoire().Index();
            ASSERT_TRUE(after == before || after == before + 1);
            if (after == before)
                ASSERT_EQ(Now(), was) << "step " << step << " kind " << kind << " running " << w->Histoire().EnCours() << " count " << w->Histoire().Pas() << ": no step recorded, yet the state changed";
            else
                steps.emplace_back(was, Now());
        }
        ASSERT_EQ(w->Histoire().Index() - startIndex, int(steps.size()));
        ASSERT_GE(steps.size(), 25u);
        // Back to the start by Ctrl+Z, every state on the way...
        for (std::size_t k = steps.size(); k-- > 0;) {
            Key(*w, Qt::Key_Z);
            ASSERT_EQ(Now(), steps[k].first) << "undoing step " << k;
        }
        // ... and forward to the end by Ctrl+Shift+Z and Ctrl+Y in turn.
        for (std::size_t k = 0; k < steps.size(); ++k) {
            if (k % 2)
                Key(*w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            else
                Key(*w, Qt::Key_Y);
            ASSERT_EQ(Now(), steps[k].second) << "redoing step " << k;
        }
        // One more Redo has nothing to make: nothing moves.
        Key(*w, Qt::Key_Y);
        ASSERT_EQ(Now(), steps.back().second);
    }
}

TEST_F(Undo, ACommandPressedWhileAPasteRunsIsPartOfItsStepAndMarksItsOwnLines)
{
    Press("Melange");
    const State start = Now();
    // Long enough that the paste lets the window take clicks between its turns.
    const QString text = QStringLiteral("(R U F')30000");
    // Armed by the hook every command runs first: PA is pressed at the paste's first pause.
    bool armed = false, pressed = false, undoOffer = true;
    QObject::connect(&w->Histoire(), &Historique::AvantCommande, w.get(), [&] {
        if (armed)
            return;
        armed = true;
        QTimer::singleShot(0, w.get(), [&] {
            pressed = w->Histoire().EnCours();
            // Undo waits for the running command to end.
            undoOffer = w->Histoire().ActionAnnuler()->isEnabled();
            Key(*w, Qt::Key_Z);
            Press("PA");
        });
    });
    const int before = w->Histoire().Index();
    Paste(text);
    ASSERT_TRUE(pressed) << "PA was not pressed during the paste";
    EXPECT_FALSE(undoOffer);
    EXPECT_TRUE(w->Histoire().ActionAnnuler()->isEnabled());
    EXPECT_EQ(w->Histoire().Index(), before + 1);
    const State end = Now();
    ASSERT_EQ(int(end.session.lignes.size()), 31 + 90000 + 13);
    // PA's 13 lines in one run of its own, in the middle of the paste's lines.
    int pa = 0, pasted = 0;
    qint64 paRun = -1;
    for (std::size_t i = 31; i < end.session.lignes.size(); ++i) {
        if (end.session.lignes[i].commande == QLatin1String("PA")) {
            ++pa;
            EXPECT_TRUE(paRun < 0 || paRun == end.session.lignes[i].serie);
            paRun = end.session.lignes[i].serie;
        } else {
            EXPECT_EQ(end.session.lignes[i].commande, QStringLiteral("Coller")) << i;
            ++pasted;
        }
    }
    EXPECT_EQ(pa, 13);
    EXPECT_EQ(pasted, 90000);
    EXPECT_EQ(end.session.lignes[0].commande, QStringLiteral("Melange"));
    EXPECT_NE(end.session.lignes[0].serie, paRun);
    Key(*w, Qt::Key_Z);
    EXPECT_EQ(Now(), start);
    Key(*w, Qt::Key_Y);
    EXPECT_EQ(Now(), end);
}

TEST_F(Undo, APositionPastedOverALogSaysUndoBringsItBack)
{
    const notation::Position solved = notation::Position::Solved();
    Paste(notation::WritePosition(solved));
    EXPECT_FALSE(Notice().contains(QStringLiteral("Undo"))) << Notice().toStdString();
    Press("PC");
    const State withLog = Now();
    Paste(notation::WritePosition(solved));
    EXPECT_TRUE(Notice().contains(QStringLiteral("Undo (Ctrl+Z) brings the log back"))) << Notice().toStdString();
    EXPECT_EQ(LogCount(*w), 0);
    Key(*w, Qt::Key_Z);
    EXPECT_EQ(Now(), withLog);
}

} // namespace
