// CUBEDriver: the cube control's members as C++ calls, each one an Invoke by its DISPID.
// A failed call is fatal: the program shows the error and ends.
#pragma once

#include "com.h"

#include <cstdint>

class CUBEDriver {
public:
    // Takes its own reference on `dispatch`.
    explicit CUBEDriver(IDispatch* dispatch);
    ~CUBEDriver();
    CUBEDriver(const CUBEDriver&) = delete;
    CUBEDriver& operator=(const CUBEDriver&) = delete;

    int16_t Couleur(int16_t i);
    void InitG();
    void PointerFaces();
    void PlacerFace(int16_t Face);
    void Vers(int16_t Direction);
    void AfficherFace(int16_t Face);
    int16_t WichFace(int16_t Face);
    void SetFace(int16_t Face, int16_t* Contenu);
    void GetFace(int16_t Face, int16_t* Contenu);
    void MvtV(int16_t Face, int16_t Direction, int16_t n);
    void MvtH(int16_t Face, int16_t Direction, int16_t n);
    void MvtT(int16_t Face, int16_t Direction, int16_t n);
    void Arretes(int16_t Etage, int16_t Methode);
    void Coins(int16_t Etage, int16_t Methode);
    void PutFace(int16_t Face, int16_t Value);
    int16_t GetElmt(int16_t Face, int16_t Elmt);
    void Equilibre();
    void PosFaceR();
    void Synchro();
    void HighOrLow(int16_t VReste);
    int16_t Relatif(int16_t Face, int16_t Etage, int16_t Elmt);
    void SetRelatif(int16_t Face, int16_t Etage, int16_t Elmt, int16_t newValue);

    IDispatch* Dispatch() const { return m_Dispatch; }

private:
    IDispatch* m_Dispatch;
};
