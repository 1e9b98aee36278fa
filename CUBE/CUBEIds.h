// The identities under which the module, its classes and its type library are known.
#pragma once

#include "com.h"

// CUBELib {87125B66-52F5-4A59-8F29-DF150FED8F7B}, version 1.0
constexpr GUID LIBID_CUBELib = {0x87125B66, 0x52F5, 0x4A59, {0x8F, 0x29, 0xDF, 0x15, 0x0F, 0xED, 0x8F, 0x7B}};
constexpr uint16_t CUBELib_VerMajor = 1;
constexpr uint16_t CUBELib_VerMinor = 0;
constexpr const char* CUBELib_HelpString = "CUBE ActiveX Control module";
constexpr const char* CUBELib_HelpFile = "CUBE.hlp";

// _DCUBE {EE882F4B-2721-43CB-B8E4-B1A52AA52117}
constexpr IID DIID__DCUBE = {0xEE882F4B, 0x2721, 0x43CB, {0xB8, 0xE4, 0xB1, 0xA5, 0x2A, 0xA5, 0x21, 0x17}};
constexpr const char* DCUBE_HelpString = "Dispatch interface for CUBE Control";

// _DCUBEEvents {AC763121-D210-4046-B585-B3D603222321}
constexpr IID DIID__DCUBEEvents = {0xAC763121, 0xD210, 0x4046, {0xB5, 0x85, 0xB3, 0xD6, 0x03, 0x22, 0x23, 0x21}};
constexpr const char* DCUBEEvents_HelpString = "Event interface for CUBE Control";

// coclass CUBE {8F27743C-7D6D-4575-8D54-90426BE22F94}
constexpr CLSID CLSID_CUBE = {0x8F27743C, 0x7D6D, 0x4575, {0x8D, 0x54, 0x90, 0x42, 0x6B, 0xE2, 0x2F, 0x94}};
constexpr const char* CUBE_HelpString = "CUBE Control";
constexpr const char* CUBE_ProgID = "CUBE.CUBECtrl.1";

// Property page {FEAE6E76-E12B-4C3A-A626-98E19D04CDD1}
constexpr CLSID CLSID_CUBEPropPage = {0xFEAE6E76, 0xE12B, 0x4C3A, {0xA6, 0x26, 0x98, 0xE1, 0x9D, 0x04, 0xCD, 0xD1}};
constexpr const char* CUBEPropPage_ProgID = "CUBE.CUBEPropPage.1";

constexpr const char* CUBE_ModuleName = "CUBE.OCX";

// activate when visible, set client site first, inside-out, cannot link inside, recompose on resize,
// simple frame
constexpr uint32_t CUBE_MiscStatus = 0x30191;

// String resources.
constexpr int IDS_CUBE = 1;
constexpr int IDS_CUBE_PPG = 2;
constexpr int IDS_CUBE_PPG_CAPTION = 200;
