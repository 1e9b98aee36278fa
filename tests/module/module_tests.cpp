// The module as files on disk and as the host loads it: what the program links, what the module
// exports, and how loading fails.
#include "elf_reader.h"
#include "module.h"

#include "CUBEIds.h"

#include <gtest/gtest.h>

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <fstream>

namespace {

const std::string Bin = MERLO_BIN_DIR;

bool Names(const std::vector<std::string>& list, const std::string& part)
{
    return std::any_of(list.begin(), list.end(), [&](const std::string& s) {
        std::string lower = s;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        return lower.find(part) != std::string::npos;
    });
}

TEST(ModuleFiles, TheProgramDoesNotLinkTheModule)
{
    const auto merlos = ReadElfDynamic(Bin + "/Merlos");
    ASSERT_TRUE(merlos.has_value());
    ASSERT_FALSE(merlos->needed.empty());
    EXPECT_TRUE(Names(merlos->needed, "qt6widgets")) << "the reader sees the program's libraries";
    EXPECT_FALSE(Names(merlos->needed, "cube")) << "Merlos loads cube.ocx at run time, never links it";
}

TEST(ModuleFiles, TheModuleExportsOnlyItsFourEntryPoints)
{
    const auto cube = ReadElfDynamic(Bin + "/cube.ocx");
    ASSERT_TRUE(cube.has_value());
    std::vector<std::string> exported = cube->exportedFunctions;
    std::sort(exported.begin(), exported.end());
    const std::vector<std::string> expected = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                               "DllUnregisterServer"};
    EXPECT_EQ(exported, expected);
}

TEST(ModuleFiles, TheReaderRejectsWhatIsNotElf)
{
    const std::string path = testing::TempDir() + "/not-elf.ocx";
    std::ofstream(path) << "MZ this is not an ELF file";
    EXPECT_FALSE(ReadElfDynamic(path).has_value());
    EXPECT_FALSE(ReadElfDynamic(Bin + "/no-such-file").has_value());
    std::remove(path.c_str());
}

TEST(ControlModuleLoad, LoadsTheModuleAndItsEntryPoints)
{
    ControlModule module;
    ASSERT_TRUE(module.Load(Bin + "/cube.ocx")) << module.ErrorString();
    EXPECT_TRUE(module.ErrorString().empty());
    EXPECT_NE(module.GetClassObjectEntry(), nullptr);
    EXPECT_NE(module.CanUnloadNowEntry(), nullptr);
    EXPECT_NE(module.RegisterServerEntry(), nullptr);
    EXPECT_NE(module.UnregisterServerEntry(), nullptr);
    IUnknown* control = nullptr;
    ASSERT_EQ(module.CreateInstance(CLSID_CUBE, IID_IUnknown, reinterpret_cast<void**>(&control)), S_OK);
    EXPECT_EQ(module.CanUnloadNow(), S_FALSE);
    EXPECT_FALSE(module.Unload()) << "a module with a live control stays loaded";
    EXPECT_TRUE(module.IsLoaded());
    control->Release();
    EXPECT_EQ(module.CanUnloadNow(), S_OK);
    EXPECT_TRUE(module.Unload());
    EXPECT_FALSE(module.IsLoaded());
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(module.CreateInstance(CLSID_CUBE, IID_IUnknown, &out), E_FAIL);
    EXPECT_EQ(out, nullptr);
}

TEST(ControlModuleLoad, FailuresSayWhy)
{
    ControlModule module;
    EXPECT_FALSE(module.Load(Bin + "/no-such-module.ocx"));
    EXPECT_NE(module.ErrorString().find("no-such-module.ocx"), std::string::npos) << module.ErrorString();
    EXPECT_NE(module.ErrorString().find("No such file"), std::string::npos) << module.ErrorString();

    const std::string text = testing::TempDir() + "/text.ocx";
    std::ofstream(text) << "not a module";
    EXPECT_FALSE(module.Load(text));
    EXPECT_NE(module.ErrorString().find("text.ocx"), std::string::npos) << module.ErrorString();
    std::remove(text.c_str());

    // A real shared library that is no control module.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&qVersion), &info), 0);
    EXPECT_FALSE(module.Load(info.dli_fname));
    EXPECT_NE(module.ErrorString().find("not a control module"), std::string::npos) << module.ErrorString();
    EXPECT_NE(module.ErrorString().find("DllGetClassObject"), std::string::npos) << module.ErrorString();
    EXPECT_FALSE(module.IsLoaded());

    EXPECT_FALSE(module.Load(""));
    EXPECT_FALSE(module.ErrorString().empty());
}

TEST(HResultNames, NamesKnownCodesAndShowsOthersInHex)
{
    EXPECT_EQ(HResultToString(DISP_E_TYPEMISMATCH), "DISP_E_TYPEMISMATCH (0x80020005)");
    EXPECT_EQ(HResultToString(S_OK), "S_OK (0x00000000)");
    EXPECT_EQ(HResultToString(CLASS_E_CLASSNOTAVAILABLE), "CLASS_E_CLASSNOTAVAILABLE (0x80040111)");
    EXPECT_EQ(HResultToString(static_cast<HRESULT>(0x8badf00du)), "0x8BADF00D");
}

} // namespace
