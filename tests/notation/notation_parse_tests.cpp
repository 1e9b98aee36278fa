// Reading cube notation: every move with every suffix, groups and brackets, every kind of error at
// its place, the limits; and the log written as notation reads back as its turns.
#include "notation_support.h"

#include <QElapsedTimer>

using namespace notationtest;
using notation::Parse;
using T = Turn;

namespace {

std::vector<T> Repeat(std::vector<T> v, int n)
{
    std::vector<T> r;
    for (int i = 0; i < n; ++i)
        r.insert(r.end(), v.begin(), v.end());
    return r;
}

TEST(NotationParse, EveryMoveWithEverySuffixIsItsButtons)
{
    struct Case {
        const char* move;
        std::vector<T> cw, ccw;
    };
    const Case cases[] = {
        {"U", {T::HGH}, {T::HHD}},           {"D", {T::HBD}, {T::HGB}},
        {"E", {T::HMD}, {T::HGM}},           {"R", {T::VHD}, {T::VBD}},
        {"L", {T::VBG}, {T::VHG}},           {"M", {T::VBM}, {T::VHM}},
        {"F", {T::TDF}, {T::TGF}},           {"S", {T::TDM}, {T::TGM}},
        {"B", {T::TGA}, {T::TDA}},           {"x", {T::Haut}, {T::Bas}},
        {"y", {T::Gauche}, {T::Droite}},     {"z", {T::Droite, T::Haut, T::Gauche}, {T::Droite, T::Bas, T::Gauche}},
        {"u", {T::HGH, T::HGM}, {T::HHD, T::HMD}}, {"Uw", {T::HGH, T::HGM}, {T::HHD, T::HMD}},
        {"d", {T::HBD, T::HMD}, {T::HGB, T::HGM}}, {"Dw", {T::HBD, T::HMD}, {T::HGB, T::HGM}},
        {"r", {T::VHD, T::VHM}, {T::VBD, T::VBM}}, {"Rw", {T::VHD, T::VHM}, {T::VBD, T::VBM}},
        {"l", {T::VBG, T::VBM}, {T::VHG, T::VHM}}, {"Lw", {T::VBG, T::VBM}, {T::VHG, T::VHM}},
        {"f", {T::TDF, T::TDM}, {T::TGF, T::TGM}}, {"Fw", {T::TDF, T::TDM}, {T::TGF, T::TGM}},
        {"b", {T::TGA, T::TGM}, {T::TDA, T::TDM}}, {"Bw", {T::TGA, T::TGM}, {T::TDA, T::TDM}},
    };
    for (const Case& c : cases) {
        const QString m = QString::fromLatin1(c.move);
        SCOPED_TRACE(c.move);
        EXPECT_EQ(Turns(m), c.cw);
        EXPECT_EQ(Turns(m + "2"), Repeat(c.cw, 2));
        for (const char* prime : {"'", "\u2019", "\u2032"}) {
            EXPECT_EQ(Turns(m + QString::fromUtf8(prime)), c.ccw);
            EXPECT_EQ(Turns(m + "2" + QString::fromUtf8(prime)), Repeat(c.ccw, 2));
        }
    }
    // Every quarter turn of the window is some move's, and the names the window shows are the moves.
    for (int k = 0; k < notation::TurnCount; ++k)
        EXPECT_EQ(Turns(notation::Name(T(k))), std::vector<T>{T(k)}) << notation::Name(T(k)).toStdString();
}

TEST(NotationParse, GroupsBracketsBlanksAndComments)
{
    const std::vector<T> sexy = Turns("R U R' U'");
    EXPECT_EQ(Turns("(R U R' U')3"), Repeat(sexy, 3));
    EXPECT_EQ(Turns("(R U R' U') 3"), Repeat(sexy, 3));
    EXPECT_EQ(Turns("(R U R' U')'"), Turns("U R U' R'"));
    EXPECT_EQ(Turns("(R U)2'"), Turns("U' R' U' R'"));
    EXPECT_EQ(Turns("[R, U]"), sexy);
    EXPECT_EQ(Turns("[F: [R, U]]"), Turns("F R U R' U' F'"));
    EXPECT_EQ(Turns("[R U: F]2"), Turns("R U F U' R' R U F U' R'"));
    EXPECT_EQ(Turns("RUR'U'"), sexy);
    EXPECT_EQ(Turns(" R\tU\n R'\r\n U' "), sexy);
    EXPECT_EQ(Turns("R U // the rest is a comment: Q ((\nR' U' //"), sexy);
    EXPECT_TRUE(Turns("").empty());
    EXPECT_TRUE(Turns("() [ : ] // nothing").empty());
}

TEST(NotationParse, EveryErrorNamesItsPlaceAndPlaysNothing)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"R U' Q", "line 1, column 6: 'Q' is not a move"},
        {"R U\n  F X2'", "line 2, column 5: 'X2'' is not a move"},
        {"R3", "line 1, column 2: '3' is not a move"},
        {"R''", "line 1, column 3: ''' is not a move"},
        {"rw", "line 1, column 2: 'w' is not a move"},
        {"R / U", "line 1, column 3: '/' is not a move"},
        {"R \x01", "line 1, column 3: 'U+0001' is not a move"},
        {"R (U F", "line 1, column 3: '(' is never closed"},
        {"R U)", "line 1, column 4: ')' has no '(' to close"},
        {"R U]", "line 1, column 4: ']' has no '[' to close"},
        {"R, U", "line 1, column 2: ',' belongs inside '[ ]'"},
        {"(R, U)", "line 1, column 3: ',' where ')' should close the '('"},
        {"[R U]", "line 1, column 5: ']' where '[' needs ',' (a commutator) or ':' (a conjugate)"},
        {"[R, U", "line 1, column 1: '[' is never closed"},
        {"[R, U)", "line 1, column 6: ')' where ']' should close the '['"},
        {"[R: U: F]", "line 1, column 6: ':' where ']' should close the '['"},
        {"(R)0", "line 1, column 4: a repeat count starts at 1"},
    };
    for (const Case& c : cases) {
        const notation::Parsed p = Parse(QString::fromUtf8(c.text));
        ASSERT_FALSE(p) << c.text;
        EXPECT_EQ(p.error->message.toStdString(), c.message);
        EXPECT_TRUE(p.turns.empty()) << c.text;
    }
}

TEST(NotationParse, LimitsKeepEveryTextSafe)
{
    // Ten thousand quarter turns play; one more than the limit does not, however it is written.
    EXPECT_EQ(Turns("(R U R' U')2500").size(), 10'000u);
    EXPECT_EQ(Turns("(R)100000").size(), 100'000u);
    QElapsedTimer t;
    t.start();
    for (const char* text : {"(R)100001", "((R U)1000)51", "((((((R)99)99)99)99)99)99", "([R, [U, [F, D]]]999999999)9",
                             "(()999999999R)999999999"}) {
        const notation::Parsed p = Parse(QString::fromLatin1(text));
        ASSERT_FALSE(p) << text;
        EXPECT_TRUE(p.error->message.endsWith("the moves make more than 100,000 quarter turns")) << text;
    }
    EXPECT_LT(t.elapsed(), 2000) << "a text over the limit is refused before it is expanded";

    const QString deep = QString(64, '(') + "R" + QString(64, ')');
    EXPECT_EQ(Turns(deep).size(), 1u);
    const notation::Parsed tooDeep = Parse("R " + QString(65, '(') + "R" + QString(65, ')'));
    ASSERT_FALSE(tooDeep);
    EXPECT_EQ(tooDeep.error->message.toStdString(), "line 1, column 67: more than 64 brackets inside one another");
    const notation::Parsed long_ = Parse(QString(200'001, ' '));
    ASSERT_FALSE(long_);
    EXPECT_EQ(long_.error->line, 0);
    EXPECT_EQ(long_.error->message.toStdString(), "the text is longer than 200,000 characters");
}

TEST(NotationWrite, TheLogWrittenAsMovesReadsBackAsItsTurns)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        // Few distinct turns, so that equal turns often follow each other.
        std::vector<T> turns;
        for (int i = 0; i < 40; ++i)
            turns.push_back(T(rng() % (round % 2 ? 3 : notation::TurnCount)));
        QStringList log;
        for (T t : turns) {
            log << LogLine(t);
            if (rng() % 5 == 0)
                log << QStringLiteral("*--------");
        }
        const QString text = notation::WriteLog(log);
        ASSERT_EQ(Turns(text), turns) << text.toStdString();
        EXPECT_FALSE(text.contains("  ")) << "one line, one blank between moves";
    }
    EXPECT_EQ(notation::WriteLog({"Vert Droite Haut", "Vert Droite Haut", "Vert Droite Haut", "*--------",
                                  "Horiz Haut Droite", "Horiz Haut Droite", "En haut  5", "A droite  1"}),
              "R2 R U2' x y'");
    EXPECT_EQ(notation::WriteLog({"a line of no turn", "", "*--------"}), "");
}

} // namespace
