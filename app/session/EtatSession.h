// Everything a person's work consists of, as plain values: the cube exactly as the control holds it,
// the log's lines with the mark of the command that wrote each one, the counter, the layer choices
// and the chosen line. The session model gives one and takes one back; a document (save, open,
// recovery) is one of these written down. Qt Core only.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The cube as the control holds it: which face stands at each position (0 top, 1 left, 2 front,
// 3 right, 4 back, 5 bottom) and every face's nine squares as stored (GetFace's order), so a cube
// held in any orientation comes back exactly.
struct EtatCube {
    std::array<int16_t, 6> faceA{0, 1, 2, 3, 4, 5};
    std::array<std::array<int16_t, 9>, 6> cases{{{0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                 {1, 1, 1, 1, 1, 1, 1, 1, 1},
                                                 {2, 2, 2, 2, 2, 2, 2, 2, 2},
                                                 {3, 3, 3, 3, 3, 3, 3, 3, 3},
                                                 {4, 4, 4, 4, 4, 4, 4, 4, 4},
                                                 {5, 5, 5, 5, 5, 5, 5, 5, 5}}};
    // The face the last whole-cube turn or "Init" brought to the front.
    int16_t faceVue = 0;
    bool operator==(const EtatCube&) const = default;
};

// One line of the log and the command that wrote it: its button's caption or command's name
// ("FaceH", "Melange", "Coller", "Court"), empty for a line a single arrow or whole-cube turn
// wrote; `serie` tells two runs of one command apart (0 without a mark).
struct LigneSession {
    QString texte;
    QString commande;
    qint64 serie = 0;
    bool operator==(const LigneSession&) const = default;
};

// The layer each hidden option group selects, as the control's layer index: 0, 1 or 2 (the middle
// layer is 2). Columns: 0 left, 1 right; slices: 0 front, 1 back; layers: 0 top, 1 bottom.
struct Couches {
    int8_t colonne = 0; // starts on the left column
    int8_t tranche = 1; // starts on the back slice
    int8_t etage = 0;   // starts on the top layer
    bool operator==(const Couches&) const = default;
};

struct EtatSession {
    EtatCube cube;
    std::vector<LigneSession> lignes;
    // The counter as shown: nothing until the first command that changes the log, then the number
    // of lines.
    std::optional<int> compteur;
    Couches couches;
    int selection = -1; // the chosen line, or -1
    bool operator==(const EtatSession&) const = default;
};
