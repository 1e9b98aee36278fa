#include "typeinfo.h"
#include "unknown.h"

#include <atomic>
#include <new>

namespace {

char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c; }

class TableTypeLib;

class TableTypeInfo final : public UnknownImpl<ITypeInfo, IID_ITypeInfo> {
public:
    TableTypeInfo(const TYPELIBDESC& lib, uint32_t index) : m_Lib(lib), m_Index(index) {}

    HRESULT GetTypeAttr(const TYPEATTR** ppTypeAttr) override
    {
        if (!ppTypeAttr)
            return E_POINTER;
        *ppTypeAttr = &Desc().attr;
        return S_OK;
    }

    HRESULT GetFuncDesc(uint32_t index, const FUNCDESC** ppFuncDesc) override
    {
        if (!ppFuncDesc)
            return E_POINTER;
        *ppFuncDesc = nullptr;
        if (index >= Desc().funcs.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *ppFuncDesc = &Desc().funcs[index];
        return S_OK;
    }

    HRESULT GetNames(DISPID memid, const char** rgNames, uint32_t cMaxNames, uint32_t* pcNames) override
    {
        if (!pcNames || (cMaxNames > 0 && !rgNames))
            return E_POINTER;
        *pcNames = 0;
        // The get names the parameters when there is one; a put alone names its value too.
        const FUNCDESC* found = nullptr;
        for (const FUNCDESC& f : Desc().funcs)
            if (f.memid == memid && (!found || found->invkind == INVOKE_PROPERTYPUT))
                found = &f;
        if (!found)
            return TYPE_E_ELEMENTNOTFOUND;
        uint32_t n = 0;
        if (n < cMaxNames)
            rgNames[n++] = found->name;
        for (int i = 0; i < found->cParams && n < cMaxNames; ++i)
            rgNames[n++] = found->params[i].name;
        *pcNames = n;
        return S_OK;
    }

    HRESULT GetRefTypeOfImplType(uint32_t index, uint32_t* pRefType) override
    {
        if (!pRefType)
            return E_POINTER;
        if (index >= Desc().implTypes.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *pRefType = Desc().implTypes[index].typeIndex;
        return S_OK;
    }

    HRESULT GetImplTypeFlags(uint32_t index, int32_t* pImplTypeFlags) override
    {
        if (!pImplTypeFlags)
            return E_POINTER;
        if (index >= Desc().implTypes.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *pImplTypeFlags = Desc().implTypes[index].flags;
        return S_OK;
    }

    HRESULT GetIDsOfNames(char16_t** rgszNames, uint32_t cNames, DISPID* pMemId) override
    {
        return GetIDsOfNamesFromTable(Desc().funcs, rgszNames, cNames, pMemId);
    }

    HRESULT GetDocumentation(DISPID memid, const char** pName, const char** pDocString, uint32_t* pdwHelpContext,
                             const char** pHelpFile) override
    {
        const char* name = nullptr;
        const char* doc = nullptr;
        if (memid == MEMBERID_NIL) {
            name = Desc().name;
            doc = Desc().helpString;
        } else {
            for (const FUNCDESC& f : Desc().funcs)
                if (f.memid == memid) {
                    name = f.name;
                    doc = f.helpString;
                    break;
                }
            if (!name)
                return TYPE_E_ELEMENTNOTFOUND;
        }
        if (pName)
            *pName = name;
        if (pDocString)
            *pDocString = doc;
        if (pdwHelpContext)
            *pdwHelpContext = 0;
        if (pHelpFile)
            *pHelpFile = m_Lib.helpFile;
        return S_OK;
    }

    HRESULT GetRefTypeInfo(uint32_t refType, ITypeInfo** ppTInfo) override
    {
        if (!ppTInfo)
            return E_POINTER;
        *ppTInfo = nullptr;
        if (refType >= m_Lib.types.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *ppTInfo = new (std::nothrow) TableTypeInfo(m_Lib, refType);
        return *ppTInfo ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT GetContainingTypeLib(ITypeLib** ppTLib, uint32_t* pIndex) override
    {
        if (pIndex)
            *pIndex = m_Index;
        if (!ppTLib)
            return S_OK;
        return CreateTypeLibFromTable(m_Lib, ppTLib);
    }

private:
    const TYPEINFODESC& Desc() const { return m_Lib.types[m_Index]; }

    const TYPELIBDESC& m_Lib;
    uint32_t m_Index;
};

class TableTypeLib final : public UnknownImpl<ITypeLib, IID_ITypeLib> {
public:
    explicit TableTypeLib(const TYPELIBDESC& lib) : m_Lib(lib) {}

    uint32_t GetTypeInfoCount() override { return static_cast<uint32_t>(m_Lib.types.size()); }

    HRESULT GetTypeInfo(uint32_t index, ITypeInfo** ppTInfo) override
    {
        if (!ppTInfo)
            return E_POINTER;
        *ppTInfo = nullptr;
        if (index >= m_Lib.types.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *ppTInfo = new (std::nothrow) TableTypeInfo(m_Lib, index);
        return *ppTInfo ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT GetTypeInfoType(uint32_t index, TYPEKIND* pTKind) override
    {
        if (!pTKind)
            return E_POINTER;
        if (index >= m_Lib.types.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *pTKind = m_Lib.types[index].attr.typekind;
        return S_OK;
    }

    HRESULT GetTypeInfoOfGuid(REFIID guid, ITypeInfo** ppTInfo) override
    {
        return CreateTypeInfoFromTable(m_Lib, guid, ppTInfo);
    }

    HRESULT GetLibAttr(const TLIBATTR** ppTLibAttr) override
    {
        if (!ppTLibAttr)
            return E_POINTER;
        *ppTLibAttr = &m_Lib.attr;
        return S_OK;
    }

    HRESULT GetDocumentation(int32_t index, const char** pName, const char** pDocString, uint32_t* pdwHelpContext,
                             const char** pHelpFile) override
    {
        const char* name = nullptr;
        const char* doc = nullptr;
        if (index == -1) {
            name = m_Lib.name;
            doc = m_Lib.helpString;
        } else if (index >= 0 && static_cast<size_t>(index) < m_Lib.types.size()) {
            name = m_Lib.types[index].name;
            doc = m_Lib.types[index].helpString;
        } else {
            return TYPE_E_ELEMENTNOTFOUND;
        }
        if (pName)
            *pName = name;
        if (pDocString)
            *pDocString = doc;
        if (pdwHelpContext)
            *pdwHelpContext = 0;
        if (pHelpFile)
            *pHelpFile = m_Lib.helpFile;
        return S_OK;
    }

private:
    const TYPELIBDESC& m_Lib;
};

} // namespace

HRESULT CreateTypeLibFromTable(const TYPELIBDESC& lib, ITypeLib** ppTLib)
{
    if (!ppTLib)
        return E_POINTER;
    *ppTLib = new (std::nothrow) TableTypeLib(lib);
    return *ppTLib ? S_OK : E_OUTOFMEMORY;
}

HRESULT CreateTypeInfoFromTable(const TYPELIBDESC& lib, REFIID guid, ITypeInfo** ppTInfo)
{
    if (!ppTInfo)
        return E_POINTER;
    *ppTInfo = nullptr;
    for (size_t i = 0; i < lib.types.size(); ++i)
        if (lib.types[i].attr.guid == guid) {
            *ppTInfo = new (std::nothrow) TableTypeInfo(lib, static_cast<uint32_t>(i));
            return *ppTInfo ? S_OK : E_OUTOFMEMORY;
        }
    return TYPE_E_ELEMENTNOTFOUND;
}

bool NameEquals(const char16_t* name, const char* tableName)
{
    if (!name || !tableName)
        return false;
    for (;; ++name, ++tableName) {
        const char16_t a = FoldCase(*name);
        const char16_t b = FoldCase(static_cast<char16_t>(static_cast<unsigned char>(*tableName)));
        if (a != b)
            return false;
        if (a == 0)
            return true;
    }
}

HRESULT GetIDsOfNamesFromTable(std::span<const FUNCDESC> funcs, char16_t** rgszNames, uint32_t cNames,
                               DISPID* rgDispId)
{
    if (cNames == 0)
        return S_OK;
    if (!rgszNames || !rgDispId)
        return E_INVALIDARG;
    for (uint32_t i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;

    // Every row of the member counts: a put names one parameter more than its get.
    DISPID member = DISPID_UNKNOWN;
    for (const FUNCDESC& f : funcs)
        if (NameEquals(rgszNames[0], f.name)) {
            member = f.memid;
            break;
        }
    if (member == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    rgDispId[0] = member;

    HRESULT hr = S_OK;
    for (uint32_t i = 1; i < cNames; ++i) {
        for (const FUNCDESC& f : funcs) {
            if (f.memid != member)
                continue;
            for (int p = 0; p < f.cParams && rgDispId[i] == DISPID_UNKNOWN; ++p)
                if (NameEquals(rgszNames[i], f.params[p].name))
                    rgDispId[i] = p;
        }
        if (rgDispId[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}
