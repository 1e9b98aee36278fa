// Looking at the cube from every side and turning it by hand: the look and the drags on its
// picture, z and z' on Z and Shift+Z, and all six faces beside it. Installed once on the window.
#pragma once

class AnimationTours;
class Disposition;
struct Contexte;

void InstallerRegard(const Contexte& c, AnimationTours& animation, Disposition& disposition);
