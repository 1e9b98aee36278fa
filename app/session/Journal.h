// The log's lines, kept small: a log is a few dozen distinct texts written over and over (18 layer
// turns, the whole-cube turns with their face, the separator), so each distinct text and each
// command's name is kept once and a line is two numbers and its run. A 100,000-line log then costs
// a couple of megabytes, and what a line is can be compared without touching its text.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Each distinct text once, numbered from 0 in the order first met; 0 is the empty text. Numbers
// stay valid for the life of the table, so copies of lines (Undo's steps) never go stale.
class Textes {
public:
    Textes() { Numero(QString()); }
    uint32_t Numero(const QString& texte);
    const QString& Texte(uint32_t numero) const { return m_Textes[static_cast<qsizetype>(numero)]; }
    std::size_t Nombre() const { return static_cast<std::size_t>(m_Textes.size()); }

private:
    QStringList m_Textes;
    QHash<QString, uint32_t> m_Numeros;
};

// One line: its text, the command that wrote it (0: none) and which run of that command.
struct LigneJournal {
    uint32_t texte = 0;
    uint32_t commande = 0;
    qint64 serie = 0;
    bool operator==(const LigneJournal&) const = default;
};

// The lines in order. Memory a long log no longer needs goes back when it shrinks.
class Journal {
public:
    int Nombre() const { return static_cast<int>(m_Lignes.size()); }
    const LigneJournal& operator[](int i) const { return m_Lignes[static_cast<std::size_t>(i)]; }
    LigneJournal& operator[](int i) { return m_Lignes[static_cast<std::size_t>(i)]; }
    const std::vector<LigneJournal>& Lignes() const { return m_Lignes; }

    void Ajouter(const LigneJournal& l) { m_Lignes.push_back(l); }
    // Replaces `enlever` lines at `debut` with `mettre`.
    void Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre);
    // The lines [debut, fin).
    std::vector<LigneJournal> Copie(int debut, int fin) const;
    std::size_t Octets() const { return m_Lignes.capacity() * sizeof(LigneJournal); }

private:
    void Rendre();
    std::vector<LigneJournal> m_Lignes;
};
