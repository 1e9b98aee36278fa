// CCUBECtrl: one 3x3x3 cube, its turns, its queries and its picture.
//
// Numbering, fixed here once for the whole program:
//   colour   0 white, 1 orange, 2 green, 3 red, 4 blue, 5 yellow
//   face     0..5, one array of nine squares each; face n starts in colour n at position n
//   position 0 top, 1 left, 2 front, 3 right, 4 back, 5 bottom (opposites 0/5, 1/3, 2/4)
//   square   3 * row + column within a face, 4 the centre. Where a face stands decides where its
//            squares lie:
//              position   square 0      square 2      square 6       square 8
//              top        back-left     back-right    front-left     front-right
//              left       top-back      top-front     bottom-back    bottom-front
//              front      top-left      top-right     bottom-left    bottom-right
//              right      top-front     top-back      bottom-front   bottom-back
//              back       bottom-left   bottom-right  top-left       top-right
//              bottom     front-left    front-right   back-left      back-right
//            Every face but the back reads like a page seen from outside (the top with its back edge
//            up, the bottom with its front edge up). The back is stored turned by a half turn: that
//            way a vertical turn carries square k of one ring face to square k of the next.
//            Whole-cube turns renumber the squares of the faces they move so the table keeps holding.
//
// Values crossing the interface are 16-bit; colours, faces and positions are only compared for
// equality. Out-of-range arguments turn nothing and never reach memory outside the cube.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class CCUBEPictures;

class CCUBECtrl : public QWidget {
public:
    explicit CCUBECtrl(QWidget* parent = nullptr);
    ~CCUBECtrl() override;

    // The automation methods, in the order of their dispatch numbers.
    int16_t Couleur(int16_t i);
    void InitG();
    void PointerFaces();
    void PlacerFace(int16_t Face);
    void Vers(int16_t Direction);
    void AfficherFace(int16_t Face);
    int16_t WichFace(int16_t Face) const;
    void SetFace(int16_t Face, const int16_t* Contenu);
    void GetFace(int16_t Face, int16_t* Contenu) const;
    void MvtV(int16_t Face, int16_t Direction, int16_t n);
    void MvtH(int16_t Face, int16_t Direction, int16_t n);
    void MvtT(int16_t Face, int16_t Direction, int16_t n);
    void Arretes(int16_t Etage, int16_t Methode);
    void Coins(int16_t Etage, int16_t Methode);
    void PutFace(int16_t Face, int16_t Value);
    int16_t GetElmt(int16_t Face, int16_t Elmt) const;
    void Equilibre();
    void PosFaceR();
    void Synchro();
    void HighOrLow(int16_t VReste);
    int16_t GetRelatif(int16_t Face, int16_t Etage, int16_t Elmt);
    void SetRelatif(int16_t Face, int16_t Etage, int16_t Elmt, int16_t newValue);

    // What a host needs beyond the automation surface.
    void SetAmbientUserMode(bool userMode) { m_AmbientUserMode = userMode; }
    bool IsModified() const { return m_Modified; }
    void SetModified(bool modified) { m_Modified = modified; }
    // Every repaint request of a layer turn or AfficherFace counts here, so callers can see them.
    int RepaintRequests() const { return m_RepaintRequests; }
    // The picture last composed by a paint (empty before the first paint or in design mode).
    const QImage& Composed() const { return m_Composed; }

    struct RECT {
        int32_t left, top, right, bottom;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int16_t* FaceArray(int16_t face);
    const int16_t* FaceArray(int16_t face) const;
    int16_t& Position(int position);
    int16_t Position(int position) const;
    int16_t*& Ref(int position);
    int16_t& Centre(int face);
    void BringToFront(int from);
    void RunSequence(bool coins, int16_t Etage, int16_t Methode);
    void RequestRepaint();
    void Compose(const RECT& bounds);

    // Square arrays, declared face 0, 5, 2, 4, 1, 3 (those that start top, bottom, front, back,
    // left, right); FaceArray() chooses by face number.
    std::array<std::array<int16_t, 9>, 6> m_Faces{};
    // One reference per position, declared top, right, front, bottom, left, back; Ref() chooses by
    // position. Rebuilt by PointerFaces before any use.
    std::array<int16_t*, 6> m_pFace{};
    // The picture loaded last by a paint or Couleur; it points into the kept pictures of this size.
    const QImage* m_hPicture = nullptr;
    int16_t m_UserMode = 0;
    // Face number per position, declared top, front, right, bottom, back, left; Position() chooses.
    std::array<int16_t, 6> m_Position{};
    // Centre colour per face number, declared face 0, 2, 3, 5, 4, 1; written only by PosFaceR.
    std::array<int16_t, 6> m_Centre{};
    int16_t m_VReste = 0;
    RECT m_rcBounds{0, 0, 0, 0};

    bool m_AmbientUserMode = true;
    bool m_Modified = false;
    int m_RepaintRequests = 0;
    std::unique_ptr<CCUBEPictures> m_Pictures;
    QImage m_Composed;
};
