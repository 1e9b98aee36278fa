// Any bytes as a session file: never a crash or a hang, a refusal always says why, and a session
// read is written and read again as the same session.
#include "DocumentSession.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const document::Lu lu = document::Lire(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!lu) {
        if (lu.erreur.isEmpty())
            std::abort();
        return 0;
    }
    const document::Lu encore = document::Lire(document::Ecrire(*lu.etat, lu.fichier));
    if (!encore || *encore.etat != *lu.etat || encore.fichier != lu.fichier)
        std::abort();
    return 0;
}
