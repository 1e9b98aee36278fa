// The type library and GetIDsOfNames answer the interface as it is published: every name, DISPID,
// kind, parameter and type, and the identities of the library, its interfaces and its coclass.
#include "dispatch_support.h"

#include <cstring>
#include <string>

using namespace dispatch_test;

namespace {

struct Expected {
    const char* name;
    DISPID id;
    INVOKEKIND kind;
    std::vector<const char*> params;
    bool hasResult;
};

// The published _DCUBE, written out independently of the module's own table.
const std::vector<Expected>& Published()
{
    static const std::vector<Expected> members = {
        {"Couleur", 1, INVOKE_FUNC, {"i"}, true},
        {"InitG", 2, INVOKE_FUNC, {}, false},
        {"PointerFaces", 3, INVOKE_FUNC, {}, false},
        {"PlacerFace", 4, INVOKE_FUNC, {"Face"}, false},
        {"Vers", 5, INVOKE_FUNC, {"Direction"}, false},
        {"AfficherFace", 6, INVOKE_FUNC, {"Face"}, false},
        {"WichFace", 7, INVOKE_FUNC, {"Face"}, true},
        {"SetFace", 8, INVOKE_FUNC, {"Face", "Contenu"}, false},
        {"GetFace", 9, INVOKE_FUNC, {"Face", "Contenu"}, false},
        {"MvtV", 10, INVOKE_FUNC, {"Face", "Direction", "n"}, false},
        {"MvtH", 11, INVOKE_FUNC, {"Face", "Direction", "n"}, false},
        {"MvtT", 12, INVOKE_FUNC, {"Face", "Direction", "n"}, false},
        {"Arretes", 13, INVOKE_FUNC, {"Etage", "Methode"}, false},
        {"Coins", 14, INVOKE_FUNC, {"Etage", "Methode"}, false},
        {"PutFace", 15, INVOKE_FUNC, {"Face", "Value"}, false},
        {"GetElmt", 16, INVOKE_FUNC, {"Face", "Elmt"}, true},
        {"Equilibre", 17, INVOKE_FUNC, {}, false},
        {"PosFaceR", 18, INVOKE_FUNC, {}, false},
        {"Synchro", 19, INVOKE_FUNC, {}, false},
        {"HighOrLow", 20, INVOKE_FUNC, {"VReste"}, false},
        {"Relatif", 21, INVOKE_PROPERTYGET, {"Face", "Etage", "Elmt"}, true},
        {"Relatif", 21, INVOKE_PROPERTYPUT, {"Face", "Etage", "Elmt", "newValue"}, false},
    };
    return members;
}

class TypeLibrary : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        uint32_t count = 0;
        ASSERT_EQ(disp->GetTypeInfoCount(&count), S_OK);
        ASSERT_EQ(count, 1u);
        ASSERT_EQ(disp->GetTypeInfo(0, 0, &info), S_OK);
        ASSERT_NE(info, nullptr);
        ASSERT_EQ(info->GetContainingTypeLib(&lib, nullptr), S_OK);
    }
    void TearDown() override
    {
        if (lib)
            lib->Release();
        if (info)
            info->Release();
        ControlTest::TearDown();
    }
    ITypeInfo* info = nullptr;
    ITypeLib* lib = nullptr;
};

TEST_F(TypeLibrary, TheDispatchInterfaceListsEveryMemberAsPublished)
{
    const TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr->guid, DIID__DCUBE);
    EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
    ASSERT_EQ(attr->cFuncs, Published().size());
    for (const Expected& e : Published()) {
        const FUNCDESC* found = nullptr;
        for (uint32_t i = 0; i < attr->cFuncs; ++i) {
            const FUNCDESC* f = nullptr;
            ASSERT_EQ(info->GetFuncDesc(i, &f), S_OK);
            if (f->memid == e.id && f->invkind == e.kind)
                found = f;
        }
        ASSERT_NE(found, nullptr) << e.name;
        EXPECT_STREQ(found->name, e.name);
        ASSERT_EQ(found->cParams, static_cast<int16_t>(e.params.size())) << e.name;
        for (size_t p = 0; p < e.params.size(); ++p) {
            EXPECT_STREQ(found->params[p].name, e.params[p]) << e.name;
            const bool contenu = std::strcmp(e.params[p], "Contenu") == 0;
            EXPECT_EQ(found->params[p].vt, contenu ? VT_I2 | VT_BYREF : VT_I2) << e.name << " " << e.params[p];
        }
        EXPECT_EQ(found->vtResult, e.hasResult ? VT_I2 : VT_EMPTY) << e.name;
        ASSERT_NE(found->helpString, nullptr);
    }
    const FUNCDESC* none = reinterpret_cast<const FUNCDESC*>(0x1);
    EXPECT_EQ(info->GetFuncDesc(attr->cFuncs, &none), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(none, nullptr);
    ITypeInfo* other = nullptr;
    EXPECT_EQ(disp->GetTypeInfo(1, 0, &other), DISP_E_BADINDEX);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(disp->GetTypeInfo(0, 0, nullptr), E_POINTER);
}

TEST_F(TypeLibrary, GetIDsOfNamesGivesThePublishedNumbers)
{
    for (const Expected& e : Published()) {
        std::u16string name(e.name, e.name + std::strlen(e.name));
        for (int variant = 0; variant < 3; ++variant) {
            std::u16string n = name;
            for (auto& c : n)
                if (variant == 1 && c >= u'a' && c <= u'z')
                    c = char16_t(c - u'a' + u'A');
                else if (variant == 2 && c >= u'A' && c <= u'Z')
                    c = char16_t(c - u'A' + u'a');
            char16_t* names[] = {n.data()};
            DISPID id = 0;
            ASSERT_EQ(disp->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK) << e.name;
            EXPECT_EQ(id, e.id) << e.name;
        }
        // Parameter names give their positions.
        std::vector<std::u16string> all{name};
        for (const char* p : e.params)
            all.emplace_back(p, p + std::strlen(p));
        std::vector<char16_t*> names;
        for (auto& s : all)
            names.push_back(s.data());
        std::vector<DISPID> ids(names.size(), 77);
        ASSERT_EQ(disp->GetIDsOfNames(IID_NULL, names.data(), uint32_t(names.size()), 0, ids.data()), S_OK);
        EXPECT_EQ(ids[0], e.id);
        for (size_t p = 1; p < ids.size(); ++p)
            EXPECT_EQ(ids[p], DISPID(p - 1)) << e.name << " " << e.params[p - 1];
    }
}

TEST_F(TypeLibrary, UnknownNamesAreReported)
{
    std::u16string unknown = u"MvtX", member = u"mvtv", param = u"Face", bogus = u"Colour", empty = u"",
                   prefix = u"Mvt", longer = u"MvtVV";
    for (std::u16string* n : {&unknown, &empty, &prefix, &longer}) {
        char16_t* names[] = {n->data()};
        DISPID id = 5;
        EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(id, DISPID_UNKNOWN);
    }
    char16_t* names[] = {member.data(), bogus.data(), param.data()};
    DISPID ids[3] = {};
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, names, 3, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 10);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    EXPECT_EQ(ids[2], 0);
    EXPECT_EQ(disp->GetIDsOfNames(IID_IDispatch, names, 1, 0, ids), DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids), E_INVALIDARG);
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, names, 1, 0, nullptr), E_INVALIDARG);
    char16_t* nullName[] = {nullptr};
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, nullName, 1, 0, ids), DISP_E_UNKNOWNNAME);
}

TEST_F(TypeLibrary, LibraryIdentity)
{
    const TLIBATTR* attr = nullptr;
    ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
    EXPECT_EQ(attr->guid, (GUID{0x87125B66, 0x52F5, 0x4A59, {0x8F, 0x29, 0xDF, 0x15, 0x0F, 0xED, 0x8F, 0x7B}}));
    EXPECT_EQ(attr->wMajorVerNum, 1);
    EXPECT_EQ(attr->wMinorVerNum, 0);
    const char *name = nullptr, *doc = nullptr, *file = nullptr;
    ASSERT_EQ(lib->GetDocumentation(-1, &name, &doc, nullptr, &file), S_OK);
    EXPECT_STREQ(name, "CUBELib");
    EXPECT_STREQ(doc, "CUBE ActiveX Control module");
    EXPECT_STREQ(file, "CUBE.hlp");
    EXPECT_EQ(lib->GetDocumentation(3, &name, nullptr, nullptr, nullptr), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(lib->GetDocumentation(-2, &name, nullptr, nullptr, nullptr), TYPE_E_ELEMENTNOTFOUND);
}

TEST_F(TypeLibrary, InterfacesAndCoclassIdentity)
{
    struct Type {
        const char* name;
        GUID guid;
        TYPEKIND kind;
        const char* help;
        uint16_t funcs;
    };
    const Type types[] = {
        {"_DCUBE", {0xEE882F4B, 0x2721, 0x43CB, {0xB8, 0xE4, 0xB1, 0xA5, 0x2A, 0xA5, 0x21, 0x17}}, TKIND_DISPATCH,
         "Dispatch interface for CUBE Control", 22},
        {"_DCUBEEvents", {0xAC763121, 0xD210, 0x4046, {0xB5, 0x85, 0xB3, 0xD6, 0x03, 0x22, 0x23, 0x21}},
         TKIND_DISPATCH, "Event interface for CUBE Control", 0},
        {"CUBE", {0x8F27743C, 0x7D6D, 0x4575, {0x8D, 0x54, 0x90, 0x42, 0x6B, 0xE2, 0x2F, 0x94}}, TKIND_COCLASS,
         "CUBE Control", 0},
    };
    ASSERT_EQ(lib->GetTypeInfoCount(), 3u);
    for (const Type& t : types) {
        ITypeInfo* ti = nullptr;
        ASSERT_EQ(lib->GetTypeInfoOfGuid(t.guid, &ti), S_OK) << t.name;
        const TYPEATTR* attr = nullptr;
        ASSERT_EQ(ti->GetTypeAttr(&attr), S_OK);
        EXPECT_EQ(attr->typekind, t.kind);
        EXPECT_EQ(attr->cFuncs, t.funcs);
        const char *name = nullptr, *doc = nullptr;
        ASSERT_EQ(ti->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr), S_OK);
        EXPECT_STREQ(name, t.name);
        EXPECT_STREQ(doc, t.help);
        ti->Release();
    }
    // The coclass implements _DCUBE and sources the (empty) events.
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(CLSID_CUBE, &coclass), S_OK);
    const TYPEATTR* attr = nullptr;
    ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
    ASSERT_EQ(attr->cImplTypes, 2);
    const GUID expected[2] = {DIID__DCUBE, DIID__DCUBEEvents};
    const int32_t flags[2] = {IMPLTYPEFLAG_FDEFAULT, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE};
    for (uint32_t i = 0; i < 2; ++i) {
        uint32_t ref = 0;
        ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
        ITypeInfo* impl = nullptr;
        ASSERT_EQ(coclass->GetRefTypeInfo(ref, &impl), S_OK);
        const TYPEATTR* implAttr = nullptr;
        ASSERT_EQ(impl->GetTypeAttr(&implAttr), S_OK);
        EXPECT_EQ(implAttr->guid, expected[i]);
        int32_t f = 0;
        ASSERT_EQ(coclass->GetImplTypeFlags(i, &f), S_OK);
        EXPECT_EQ(f, flags[i]);
        impl->Release();
    }
    uint32_t ref = 0;
    EXPECT_EQ(coclass->GetRefTypeOfImplType(2, &ref), TYPE_E_ELEMENTNOTFOUND);
    coclass->Release();
    ITypeInfo* none = reinterpret_cast<ITypeInfo*>(0x1);
    EXPECT_EQ(lib->GetTypeInfoOfGuid(CLSID_CUBEPropPage, &none), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(none, nullptr);
}

TEST_F(TypeLibrary, NamesOfAMember)
{
    const char* names[6] = {};
    uint32_t n = 0;
    ASSERT_EQ(info->GetNames(21, names, 6, &n), S_OK);
    ASSERT_EQ(n, 4u);
    EXPECT_STREQ(names[0], "Relatif");
    EXPECT_STREQ(names[1], "Face");
    EXPECT_STREQ(names[3], "Elmt");
    ASSERT_EQ(info->GetNames(10, names, 2, &n), S_OK);
    EXPECT_EQ(n, 2u) << "never more than asked for";
    EXPECT_EQ(info->GetNames(22, names, 6, &n), TYPE_E_ELEMENTNOTFOUND);
    DISPID id = 0;
    std::u16string w = u"wichface";
    char16_t* name[] = {w.data()};
    ASSERT_EQ(info->GetIDsOfNames(name, 1, &id), S_OK);
    EXPECT_EQ(id, 7);
}

} // namespace
