// The captions of the window's buttons and what each one means, in the user's language. The
// captions are the window's own words, the same in every language, and some of them read like cube
// notation without being it ("Face B" is the bottom, the macro "B" no turn of the back): this is the
// one table of what they mean, which the buttons, the menus, the tooltips, the replay and the help's
// check all read. What a turn means comes from the table of turns (notation::Words). No widgets.
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace legendes {

enum class Sorte {
    Cube,     // a whole-cube turn: it means its turn's words
    Commande, // the scramble, the reset and the log's buttons
    Etape,    // a solving stage
    Macro,    // a move macro
};

struct Legende {
    const char* nom;      // the button's objectName
    const char* legende;  // its caption, as drawn
    Sorte sorte;
    const char* sens;     // what it does, untranslated; nullptr for a whole-cube turn
    const char* aparte;   // what the caption is not, where it could mislead; or nullptr
    const char* entree;   // its menu entry's words where it is named by its use ("&Scramble"), or nullptr
    const char* sequence; // a macro's moves, as arrow names ("VBD HGH"); or nullptr
};

// Every captioned button, in the window's order; the stages in the order they solve the cube, T last.
std::span<const Legende> Toutes();
std::span<const Legende> Etapes();
// By objectName or by caption ("RangerM" or "Zone M"); nullptr for anything else.
const Legende* De(QStringView nomOuLegende);

// What it does, translated: "make the top face one colour"; a whole-cube turn's words.
QString Sens(const Legende& l);
// The caption with what it is not: "Face B (the bottom)"; the caption alone where nothing misleads.
QString Nom(const Legende& l);

// The menu entry for the command of the button named `bouton` (objectName), arrows included:
// "R — right face, clockwise", "FaceH — make the top face one colour", "&Scramble (Melange)".
QString Entree(QStringView bouton);
// Its tooltip: the caption (or the move) and what it means, its key when it has one, then what it
// logs or a macro's moves in cube notation.
QString Bulle(QStringView bouton, const QString& touche);

} // namespace legendes
