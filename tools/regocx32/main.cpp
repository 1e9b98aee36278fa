// regocx32.exe [/u] FILE: registers (or unregisters) a control module.
#include <cstdio>

int main(int argc, char**)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: regocx32.exe [/u] FILE\n");
        return 2;
    }
    return 1;
}
