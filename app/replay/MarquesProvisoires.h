// Marks the lines that the scramble, the stages and the macro buttons write (Marques.h), for as
// long as no command table does it for every command: the replay and "Copy solution" read them.
#pragma once

class Merlo;

void MarquerCommandes(Merlo& w);
