// The cube's state, its turns and its queries. Painting lives in CUBECtlPaint.cpp.
#include "CUBECtl.h"

#include "CUBEPictures.h"

#include <algorithm>
#include <string_view>

namespace {

enum : int { Top = 0, Left = 1, Front = 2, Right = 3, Back = 4, Bottom = 5 };

// New square k of a face takes the colour of old square Perm[k].
using Perm = std::array<int, 9>;
constexpr Perm Clockwise{6, 3, 0, 7, 4, 1, 8, 5, 2};
constexpr Perm CounterClockwise{2, 5, 8, 1, 4, 7, 0, 3, 6};
constexpr Perm Half{8, 7, 6, 5, 4, 3, 2, 1, 0};

void Turn(int16_t* face, const Perm& q)
{
    std::array<int16_t, 9> old;
    std::copy(face, face + 9, old.begin());
    for (int k = 0; k < 9; ++k)
        face[k] = old[q[k]];
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Slots of the declared field orders, indexed by face number or position.
constexpr std::array<int, 6> FaceSlot{0, 4, 2, 5, 3, 1};     // m_Faces: face 0, 5, 2, 4, 1, 3
constexpr std::array<int, 6> PositionSlot{0, 5, 1, 2, 4, 3}; // m_Position: top, front, right, bottom, back, left
constexpr std::array<int, 6> RefSlot{0, 4, 2, 1, 5, 3};      // m_pFace: top, right, front, bottom, left, back
constexpr std::array<int, 6> CentreSlot{0, 5, 1, 2, 4, 3};   // m_Centre: face 0, 2, 3, 5, 4, 1

} // namespace

CCUBECtrl::CCUBECtrl(QWidget* parent)
    : QWidget(parent), m_Pictures(std::make_unique<CCUBEPictures>())
{
    for (int16_t p = 0; p < 6; ++p)
        Position(p) = p;
    InitG();
    PointerFaces();
}

CCUBECtrl::~CCUBECtrl() = default;

int16_t* CCUBECtrl::FaceArray(int16_t face) { return m_Faces[FaceSlot[face]].data(); }
const int16_t* CCUBECtrl::FaceArray(int16_t face) const { return m_Faces[FaceSlot[face]].data(); }
int16_t& CCUBECtrl::Position(int position) { return m_Position[PositionSlot[position]]; }
int16_t CCUBECtrl::Position(int position) const { return m_Position[PositionSlot[position]]; }
int16_t*& CCUBECtrl::Ref(int position) { return m_pFace[RefSlot[position]]; }
int16_t& CCUBECtrl::Centre(int face) { return m_Centre[CentreSlot[face]]; }

void CCUBECtrl::RequestRepaint()
{
    ++m_RepaintRequests;
    const QRect r(QPoint(m_rcBounds.left, m_rcBounds.top), QPoint(m_rcBounds.right - 1, m_rcBounds.bottom - 1));
    if (r.isValid())
        update(r);
}

// --- state -------------------------------------------------------------------------------------

void CCUBECtrl::InitG()
{
    for (int k = 0; k < 9; ++k)
        for (int16_t f = 0; f < 6; ++f)
            FaceArray(f)[k] = f;
}

void CCUBECtrl::PointerFaces()
{
    for (int p = 0; p < 6; ++p) {
        const int16_t f = Position(p);
        if (InRange(f, 0, 5))
            Ref(p) = FaceArray(f);
    }
}

int16_t CCUBECtrl::GetElmt(int16_t Face, int16_t Elmt) const
{
    if (!InRange(Face, 0, 5) || !InRange(Elmt, 0, 8))
        return -1;
    return FaceArray(Face)[Elmt];
}

void CCUBECtrl::GetFace(int16_t Face, int16_t* Contenu) const
{
    if (!InRange(Face, 0, 5) || !Contenu)
        return;
    std::copy(FaceArray(Face), FaceArray(Face) + 9, Contenu);
}

void CCUBECtrl::SetFace(int16_t Face, const int16_t* Contenu)
{
    if (!InRange(Face, 0, 5) || !Contenu)
        return;
    std::copy(Contenu, Contenu + 9, FaceArray(Face));
}

void CCUBECtrl::PutFace(int16_t Face, int16_t Value)
{
    if (InRange(Face, 0, 5))
        Position(Face) = Value;
}

void CCUBECtrl::Equilibre() {}

void CCUBECtrl::HighOrLow(int16_t VReste) { m_VReste = VReste; }

// --- layer turns -------------------------------------------------------------------------------

void CCUBECtrl::MvtV(int16_t Face, int16_t Direction, int16_t n)
{
    if (Face > 2 || Direction > 1)
        return;
    static constexpr std::array<std::array<int, 3>, 3> Column{{{0, 3, 6}, {2, 5, 8}, {1, 4, 7}}};
    for (int pass = 1; pass <= n; ++pass) {
        PointerFaces();
        if (InRange(Face, 0, 2) && InRange(Direction, 0, 1)) {
            // Direction 0 carries top -> front -> bottom -> back -> top; square k stays square k.
            std::array<int16_t*, 4> ring{Ref(Top), Ref(Front), Ref(Bottom), Ref(Back)};
            if (Direction == 1)
                std::swap(ring[1], ring[3]);
            const auto& squares = Column[Face];
            std::array<std::array<int16_t, 3>, 4> old;
            for (int f = 0; f < 4; ++f)
                for (int j = 0; j < 3; ++j)
                    old[f][j] = ring[f][squares[j]];
            for (int f = 0; f < 4; ++f)
                for (int j = 0; j < 3; ++j)
                    ring[(f + 1) % 4][squares[j]] = old[f][j];
            if (Face == 0)
                Turn(Ref(Left), Direction == 0 ? Clockwise : CounterClockwise);
            else if (Face == 1)
                Turn(Ref(Right), Direction == 0 ? CounterClockwise : Clockwise);
        }
        RequestRepaint();
    }
}

// Horizontal and front-parallel layers are vertical columns of a reoriented cube. Each face number
// is read just before its PlacerFace, since every whole-cube turn moves the faces.
void CCUBECtrl::MvtH(int16_t Face, int16_t Direction, int16_t n)
{
    if (Face > 2 || Direction > 1)
        return;
    for (int pass = 1; pass <= n; ++pass) {
        PlacerFace(Position(Left));
        PlacerFace(Position(Bottom));
        PlacerFace(Position(Left));
        MvtV(Face, Direction, 1);
        PlacerFace(Position(Right));
        PlacerFace(Position(Top));
        PlacerFace(Position(Right));
    }
}

void CCUBECtrl::MvtT(int16_t Face, int16_t Direction, int16_t n)
{
    if (Face > 2 || Direction > 1)
        return;
    for (int pass = 1; pass <= n; ++pass) {
        PlacerFace(Position(Right));
        MvtV(Face, Direction, 1);
        PlacerFace(Position(Left));
    }
}

// The fixed move sequences. A step "H10" is MvtH(1, 0, 1): axis, layer, direction, one quarter turn.
namespace {
struct Sequence {
    bool coins;
    int16_t etage, methode;
    std::string_view steps;
};
constexpr Sequence Sequences[] = {
    {false, 1, 0, "T01 T01"},
    {false, 1, 1, "H01 V11 H00"},
    {false, 1, 2, "H11 V11 T00 V10"},
    {false, 2, 0, "H10 T00 H10 T00 H11 T01 H11 T01"},
    {false, 2, 1, "H11 T01 H11 T01 H10 T00 H10 T00"},
    {false, 3, 0, "T01 H00 V11 H00 V10 T00"},
    {true, 1, 0, "V10 H10 V11"},
    {true, 1, 1, "V00 H10 V01"},
    {true, 3, 0, "V11 H00 H00 V10 H01 V11 H01 V10"},
    {true, 3, 1, "V01 H01 H01 V10 H01 V11 H00 V10"},
    {true, 3, 2, "V10 H00 V10 H11 V10 H10"},
};
} // namespace

void CCUBECtrl::RunSequence(bool coins, int16_t Etage, int16_t Methode)
{
    for (const Sequence& seq : Sequences) {
        if (seq.coins != coins || seq.etage != Etage || seq.methode != Methode)
            continue;
        for (size_t i = 0; i + 2 < seq.steps.size(); i += 4) {
            const auto face = int16_t(seq.steps[i + 1] - '0');
            const auto direction = int16_t(seq.steps[i + 2] - '0');
            switch (seq.steps[i]) {
            case 'V': MvtV(face, direction, 1); break;
            case 'H': MvtH(face, direction, 1); break;
            default: MvtT(face, direction, 1); break;
            }
        }
        return;
    }
}

void CCUBECtrl::Arretes(int16_t Etage, int16_t Methode) { RunSequence(false, Etage, Methode); }

void CCUBECtrl::Coins(int16_t Etage, int16_t Methode) { RunSequence(true, Etage, Methode); }

// --- whole-cube turns --------------------------------------------------------------------------

void CCUBECtrl::Vers(int16_t Direction)
{
    PointerFaces();
    switch (Direction) {
    case 0:
        Turn(Ref(Left), Clockwise);
        Turn(Ref(Right), CounterClockwise);
        break;
    case 1:
        Turn(Ref(Left), CounterClockwise);
        Turn(Ref(Right), Clockwise);
        break;
    case 2:
        Turn(Ref(Top), Clockwise);
        Turn(Ref(Bottom), CounterClockwise);
        Turn(Ref(Left), Half);
        Turn(Ref(Back), Half);
        break;
    case 3:
        Turn(Ref(Top), CounterClockwise);
        Turn(Ref(Bottom), Clockwise);
        Turn(Ref(Right), Half);
        Turn(Ref(Back), Half);
        break;
    default:
        break;
    }
}

// One whole-cube quarter turn bringing the face at position `from` (top, left, right or bottom)
// to the front: renumber squares first, then move the faces.
void CCUBECtrl::BringToFront(int from)
{
    auto cycle = [this](int a, int b, int c, int d) { // a <- b <- c <- d <- a
        const int16_t first = Position(a);
        Position(a) = Position(b);
        Position(b) = Position(c);
        Position(c) = Position(d);
        Position(d) = first;
    };
    switch (from) {
    case Top:
        Vers(0);
        cycle(Front, Top, Back, Bottom);
        break;
    case Left:
        Vers(3);
        cycle(Front, Left, Back, Right);
        break;
    case Right:
        Vers(2);
        cycle(Front, Right, Back, Left);
        break;
    case Bottom:
        Vers(1);
        cycle(Front, Bottom, Back, Top);
        break;
    default:
        break;
    }
}

void CCUBECtrl::PlacerFace(int16_t Face)
{
    if (Face > 5)
        return;
    if (Face == Position(Top))
        BringToFront(Top);
    else if (Face == Position(Left))
        BringToFront(Left);
    else if (Face == Position(Right))
        BringToFront(Right);
    else if (Face == Position(Back)) {
        // Two quarter turns to the same side, so the square table keeps holding.
        BringToFront(Right);
        BringToFront(Right);
    } else if (Face == Position(Bottom))
        BringToFront(Bottom);
}

void CCUBECtrl::AfficherFace(int16_t Face)
{
    PlacerFace(Face);
    RequestRepaint();
}

// --- queries -----------------------------------------------------------------------------------

int16_t CCUBECtrl::WichFace(int16_t Face) const
{
    return InRange(Face, 0, 5) ? Position(Face) : int16_t(-1);
}

void CCUBECtrl::PosFaceR()
{
    for (int16_t f = 0; f < 6; ++f)
        Centre(f) = FaceArray(f)[4];
}

void CCUBECtrl::Synchro()
{
    PosFaceR();
    for (int p : {Top, Left, Front, Right, Back, Bottom})
        Position(p) = Centre(p);
}

int16_t CCUBECtrl::GetRelatif(int16_t Face, int16_t Etage, int16_t Elmt)
{
    PosFaceR();
    if (!InRange(Face, 0, 5) || !InRange(Etage, 0, 2) || !InRange(Elmt, 0, 2))
        return -1;
    int k = -1;
    if (Face == Position(Top) || Face == Position(Front))
        k = 3 * Etage + Elmt;
    else if (Face == Position(Left) || Face == Position(Right))
        k = 3 * Etage + Elmt;
    else if (Face == Position(Back))
        k = 8 - (3 * Etage + Elmt); // stored turned by a half turn
    else if (Face == Position(Bottom))
        k = 3 * Etage + Elmt;
    return k < 0 ? int16_t(-1) : FaceArray(Face)[k];
}

// The write chooses its square by centre colours, not by positions, and each later rule overrides
// an earlier one.
void CCUBECtrl::SetRelatif(int16_t Face, int16_t Etage, int16_t Elmt, int16_t newValue)
{
    PosFaceR();
    if (!InRange(Face, 0, 5) || !InRange(Etage, 0, 2) || !InRange(Elmt, 0, 2))
        return;
    int k = -1;
    if (Face == Centre(0) || Face == Centre(2))
        k = 3 * Etage + Elmt;
    if (Face == Centre(1) || Face == Centre(3))
        k = 3 * Etage + Elmt;
    if (Face == Centre(4))
        k = 8 - (3 * Etage + Elmt);
    if (Face == Centre(5))
        k = 3 * (2 - Etage) + Elmt;
    if (k < 0)
        return;
    FaceArray(Face)[k] = newValue;
    SetModified(true);
}
