#include "Journal.h"

#include <algorithm>

uint32_t Textes::Numero(const QString& texte)
{
    const auto trouve = m_Numeros.constFind(texte);
    if (trouve != m_Numeros.cend())
        return *trouve;
    const auto n = static_cast<uint32_t>(m_Textes.size());
    m_Textes << texte;
    m_Numeros.insert(texte, n);
    return n;
}

void Journal::Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre)
{
    const auto d = m_Lignes.begin() + debut;
    m_Lignes.erase(d, d + enlever);
    m_Lignes.insert(m_Lignes.begin() + debut, mettre.begin(), mettre.end());
    Rendre();
}

std::vector<LigneJournal> Journal::Copie(int debut, int fin) const
{
    return {m_Lignes.begin() + debut, m_Lignes.begin() + fin};
}

void Journal::Rendre()
{
    // Room kept for growth is given back once the log holds less than a quarter of it.
    if (m_Lignes.capacity() > 1024 && m_Lignes.size() < m_Lignes.capacity() / 4)
        m_Lignes.shrink_to_fit();
}
