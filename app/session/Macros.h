// The move macros: fixed sequences of arrow moves, written as the arrows' names ("VBD HGH").
// Each button's tooltip shows its sequence in cube notation.
#pragma once

inline constexpr const char* SeqA = "VHD HGH HGH VBD HHD VHD HHD VBD";
inline constexpr const char* SeqB = "VHG HHD HHD VBG HGH VHG HGH VBG";
inline constexpr const char* SeqAr = "TDF HGH VHD HHD VBD TGF";
inline constexpr const char* SeqCD = "VBD HGB VBD HGB VBD HBD VHD HBD VHD";
inline constexpr const char* SeqCG = "VHD HBD VHD HBD VHD HGB VBD HGB VBD";
inline constexpr const char* SeqPA = "VBD HGH VBD HHD VBD HHD VBD HGH VHD HGH VHD VHD";
inline constexpr const char* SeqPC = "VBD TDF VBD TDA TDA VHD TGF VBD TDA TDA VHD VHD";
inline constexpr const char* SeqT1 = "VBD HHD HHD VHD HGH VBD HGH VHD";
inline constexpr const char* SeqT2 = "VBD HHD VHD HHD VBD HGH HGH VHD";
inline constexpr const char* SeqH1 = "VBD HGB VHD HGB TDF HGB HGB TGF";
inline constexpr const char* SeqH2 = "VBD HGM VHD VHD HMD HMD VBD";
