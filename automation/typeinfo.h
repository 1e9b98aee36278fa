// Type information: a type library is a static, read-only table compiled into its module, and
// ITypeLib / ITypeInfo are small COM-style interfaces over it. Everything they hand out points into
// that table (or into the object answering), so nothing is allocated for the caller and nothing has
// to be released but the interfaces themselves.
#pragma once

#include "com.h"

#include <array>
#include <cstdint>
#include <span>

enum TYPEKIND : int32_t {
    TKIND_ENUM = 0,
    TKIND_RECORD = 1,
    TKIND_MODULE = 2,
    TKIND_INTERFACE = 3,
    TKIND_DISPATCH = 4,
    TKIND_COCLASS = 5,
    TKIND_ALIAS = 6,
    TKIND_UNION = 7,
};

// Same values as the DISPATCH_ flags, as in COM.
enum INVOKEKIND : int32_t {
    INVOKE_FUNC = 1,
    INVOKE_PROPERTYGET = 2,
    INVOKE_PROPERTYPUT = 4,
    INVOKE_PROPERTYPUTREF = 8,
};

constexpr int32_t IMPLTYPEFLAG_FDEFAULT = 1;
constexpr int32_t IMPLTYPEFLAG_FSOURCE = 2;

constexpr DISPID MEMBERID_NIL = DISPID_UNKNOWN;

// One parameter: its name in the library and its automation type (VT_I2, or VT_I2 | VT_BYREF).
struct PARAMDESC {
    const char* name = nullptr;
    VARTYPE vt = VT_EMPTY;
};

constexpr int MAX_PARAMS = 4;

// One member of a dispatch interface. A property with a get and a put is two rows with one memid.
struct FUNCDESC {
    const char* name = nullptr;
    DISPID memid = DISPID_UNKNOWN;
    INVOKEKIND invkind = INVOKE_FUNC;
    std::array<PARAMDESC, MAX_PARAMS> params{};
    int16_t cParams = 0;
    VARTYPE vtResult = VT_EMPTY; // VT_EMPTY: no result
    const char* helpString = nullptr;
};

struct TYPEATTR {
    GUID guid;
    TYPEKIND typekind;
    uint16_t cFuncs;
    uint16_t cImplTypes;
    uint16_t wMajorVerNum;
    uint16_t wMinorVerNum;
};

// An interface a coclass implements, by its index in the library's type table.
struct IMPLTYPEDESC {
    uint32_t typeIndex;
    int32_t flags; // IMPLTYPEFLAG_
};

struct TYPEINFODESC {
    const char* name;
    TYPEATTR attr;
    const char* helpString;
    std::span<const FUNCDESC> funcs;
    std::span<const IMPLTYPEDESC> implTypes;
};

struct TLIBATTR {
    GUID guid;
    LCID lcid;
    uint16_t wMajorVerNum;
    uint16_t wMinorVerNum;
};

struct TYPELIBDESC {
    const char* name;
    TLIBATTR attr;
    const char* helpString;
    const char* helpFile;
    std::span<const TYPEINFODESC> types;
};

struct ITypeLib;

// A subset of COM's ITypeInfo, in COM's relative order; names are the table's own const char*.
struct ITypeInfo : IUnknown {
    virtual HRESULT GetTypeAttr(const TYPEATTR** ppTypeAttr) = 0;
    virtual HRESULT GetFuncDesc(uint32_t index, const FUNCDESC** ppFuncDesc) = 0;
    // The member's name first, then its parameter names (of the get, or of the put if it has no get).
    virtual HRESULT GetNames(DISPID memid, const char** rgNames, uint32_t cMaxNames, uint32_t* pcNames) = 0;
    virtual HRESULT GetRefTypeOfImplType(uint32_t index, uint32_t* pRefType) = 0;
    virtual HRESULT GetImplTypeFlags(uint32_t index, int32_t* pImplTypeFlags) = 0;
    virtual HRESULT GetIDsOfNames(char16_t** rgszNames, uint32_t cNames, DISPID* pMemId) = 0;
    // memid MEMBERID_NIL documents the type itself. Any out pointer may be null.
    virtual HRESULT GetDocumentation(DISPID memid, const char** pName, const char** pDocString,
                                     uint32_t* pdwHelpContext, const char** pHelpFile) = 0;
    virtual HRESULT GetRefTypeInfo(uint32_t refType, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetContainingTypeLib(ITypeLib** ppTLib, uint32_t* pIndex) = 0;
};

// A subset of COM's ITypeLib.
struct ITypeLib : IUnknown {
    virtual uint32_t GetTypeInfoCount() = 0;
    virtual HRESULT GetTypeInfo(uint32_t index, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetTypeInfoType(uint32_t index, TYPEKIND* pTKind) = 0;
    virtual HRESULT GetTypeInfoOfGuid(REFIID guid, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetLibAttr(const TLIBATTR** ppTLibAttr) = 0;
    // index -1 documents the library itself. Any out pointer may be null.
    virtual HRESULT GetDocumentation(int32_t index, const char** pName, const char** pDocString,
                                     uint32_t* pdwHelpContext, const char** pHelpFile) = 0;
};

// {00020401-0000-0000-C000-000000000046} and {00020402-0000-0000-C000-000000000046}, as in COM.
constexpr IID IID_ITypeInfo = {0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID IID_ITypeLib = {0x00020402, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// An ITypeLib over a static table (the table must outlive every interface handed out).
HRESULT CreateTypeLibFromTable(const TYPELIBDESC& lib, ITypeLib** ppTLib);
// The ITypeInfo of the library's type with the given guid.
HRESULT CreateTypeInfoFromTable(const TYPELIBDESC& lib, REFIID guid, ITypeInfo** ppTInfo);

// Case-insensitive comparison of a caller's name with a table name, as COM compares names.
bool NameEquals(const char16_t* name, const char* tableName);

// GetIDsOfNames over a member table: the member's DISPID into rgDispId[0], then each parameter's
// position (0-based) into the others; unknown names give DISPID_UNKNOWN and DISP_E_UNKNOWNNAME.
HRESULT GetIDsOfNamesFromTable(std::span<const FUNCDESC> funcs, char16_t** rgszNames, uint32_t cNames,
                               DISPID* rgDispId);
