// The string table of the module.
#include "CUBEStrings.h"

#include "CUBEIds.h"

namespace {

struct StringResource {
    int id;
    const char* text;
};

constexpr StringResource Strings[] = {
    {IDS_CUBE, "CUBE Control"},
    {IDS_CUBE_PPG, "CUBE Property Page"},
    {IDS_CUBE_PPG_CAPTION, "General"},
};

} // namespace

const char* CUBE_LoadString(int id)
{
    for (const StringResource& s : Strings)
        if (s.id == id)
            return s.text;
    return nullptr;
}
