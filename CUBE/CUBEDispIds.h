// The DISPIDs of _DCUBE: the numbers are the interface. The control's dispatch table names one in
// every row, and the host's driver calls by them; nobody else numbers the members.
#pragma once

#include "com.h"

enum : DISPID {
    DISPID_Couleur = 1,
    DISPID_InitG = 2,
    DISPID_PointerFaces = 3,
    DISPID_PlacerFace = 4,
    DISPID_Vers = 5,
    DISPID_AfficherFace = 6,
    DISPID_WichFace = 7,
    DISPID_SetFace = 8,
    DISPID_GetFace = 9,
    DISPID_MvtV = 10,
    DISPID_MvtH = 11,
    DISPID_MvtT = 12,
    DISPID_Arretes = 13,
    DISPID_Coins = 14,
    DISPID_PutFace = 15,
    DISPID_GetElmt = 16,
    DISPID_Equilibre = 17,
    DISPID_PosFaceR = 18,
    DISPID_Synchro = 19,
    DISPID_HighOrLow = 20,
    DISPID_Relatif = 21,
};
