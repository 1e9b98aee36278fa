// regocx32.exe [/u] FILE: registers (or with /u unregisters) a control module by loading it and
// calling its DllRegisterServer (DllUnregisterServer). Prints one line naming the result.
//
// Exit codes: 0 done, 1 the entry point reported a failure, 2 usage error, 3 no such file,
// 4 not a loadable module, 5 no such entry point, 6 the module crashed.
#include "com.h"
#include "module.h"
#include "registry.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <dlfcn.h>
#include <unistd.h>

namespace {

enum Exit : int {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
    ExitNoFile = 3,
    ExitNotModule = 4,
    ExitNoEntry = 5,
    ExitCrashed = 6,
};

const char* const Usage = "usage: regocx32.exe [/u] FILE\n"
                          "  registers the control module FILE; /u unregisters it\n";

std::string describe(HRESULT hr)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(hr));
    const char* name = HResultName(hr);
    return name ? std::string(hex) + " (" + name + ")" : std::string(hex);
}

// A module that crashes while loading or registering must not take the tool down without a word.
// Only async-signal-safe calls here: the message is prepared before the module runs.
char g_crashMessage[4096];

extern "C" void onCrash(int)
{
    const ssize_t n = static_cast<ssize_t>(std::strlen(g_crashMessage));
    [[maybe_unused]] const ssize_t w = ::write(STDERR_FILENO, g_crashMessage, static_cast<size_t>(n));
    ::_exit(ExitCrashed);
}

void guardAgainstCrashes(const std::string& what)
{
    std::snprintf(g_crashMessage, sizeof g_crashMessage, "regocx32: %s crashed.\n", what.c_str());
    struct sigaction sa {};
    sa.sa_handler = onCrash;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(sig, &sa, nullptr);
}

bool isOption(const char* arg, const char* name)
{
    return (arg[0] == '/' || arg[0] == '-') && strcasecmp(arg + 1, name) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (isOption(arg, "u")) {
            unregister = true;
        } else if (isOption(arg, "?") || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            std::fputs(Usage, stdout);
            return ExitOk;
        } else if (arg[0] == '-' || arg[0] == '\0') {
            // '/' starts a path here, so only '-' can start an unknown option.
            std::fprintf(stderr, "regocx32: unknown option \"%s\".\n%s", arg, Usage);
            return ExitUsage;
        } else if (file) {
            std::fprintf(stderr, "regocx32: only one FILE may be given.\n%s", Usage);
            return ExitUsage;
        } else {
            file = arg;
        }
    }
    if (!file) {
        std::fprintf(stderr, "regocx32: no FILE given.\n%s", Usage);
        return ExitUsage;
    }

    // A relative name is taken in the current folder, never searched for along the library path,
    // and the module registers the absolute path it is loaded from.
    std::error_code ec;
    const std::string path = std::filesystem::absolute(file, ec).lexically_normal().string();
    if (ec) {
        std::fprintf(stderr, "regocx32: cannot make a path of \"%s\": %s.\n", file, ec.message().c_str());
        return ExitNoFile;
    }
    if (!std::filesystem::exists(path, ec)) {
        std::fprintf(stderr, "regocx32: cannot find %s.\n", path.c_str());
        return ExitNoFile;
    }

    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    guardAgainstCrashes("loading " + path);
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = dlerror();
        std::fprintf(stderr, "regocx32: %s is not a loadable module: %s.\n", path.c_str(), why ? why : "unknown error");
        return ExitNotModule;
    }
    dlerror();
    void* symbol = dlsym(module, entry);
    if (!symbol) {
        std::fprintf(stderr, "regocx32: %s has no entry point %s.\n", path.c_str(), entry);
        return ExitNoEntry;
    }
    const auto call = reinterpret_cast<PFN_DllRegisterServer>(symbol);
    guardAgainstCrashes(std::string(entry) + " in " + path);
    const HRESULT hr = call();
    // The module stays loaded: the process ends now, and unloading Qt from under it gains nothing.
    if (SUCCEEDED(hr)) {
        std::printf("regocx32: %s in %s succeeded.\n", entry, path.c_str());
        return ExitOk;
    }
    std::fprintf(stderr, "regocx32: %s in %s failed: %s.\n", entry, path.c_str(), describe(hr).c_str());
    return ExitFailed;
}
