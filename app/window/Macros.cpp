// The macro buttons, and the macros the stages use: each plays its sequence through the arrows, so
// every move is logged as the arrow logs it.
#include "Macros.h"
#include "Merlo.h"

void Merlo::A_Click()
{
    Jouer(SeqA);
    FinComm();
}

void Merlo::B_Click()
{
    Jouer(SeqB);
    FinComm();
}

void Merlo::Ar_Click()
{
    Jouer(SeqAr);
    FinComm();
}

void Merlo::CD_Click()
{
    Jouer(SeqCD);
    FinComm();
}

void Merlo::CG_Click()
{
    Jouer(SeqCG);
    FinComm();
}

void Merlo::PA_Click()
{
    Jouer(SeqPA);
    FinComm();
}

void Merlo::PC_Click()
{
    Jouer(SeqPC);
    FinComm();
}

void Merlo::MacroT1()
{
    Jouer(SeqT1);
    FinComm();
}

void Merlo::MacroT2()
{
    Jouer(SeqT2);
    FinComm();
}

// The two macros of the stage "FaceH" write no separator: the stage chains them with other moves.
void Merlo::MacroH1()
{
    Jouer(SeqH1);
}

void Merlo::MacroH2()
{
    Jouer(SeqH2);
}
