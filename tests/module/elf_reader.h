// Reads what the dynamic linker sees of an ELF64 file: the libraries its dynamic section names and
// the functions its dynamic symbol table exports. Just enough for the tests, with every offset
// checked against the file's size.
#pragma once

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

struct ElfDynamic {
    std::vector<std::string> needed;
    std::vector<std::string> exportedFunctions;
};

inline std::optional<ElfDynamic> ReadElfDynamic(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto fits = [&](uint64_t off, uint64_t size) { return off <= file.size() && size <= file.size() - off; };
    auto read = [&](auto& out, uint64_t off) {
        if (!fits(off, sizeof out))
            return false;
        std::memcpy(&out, file.data() + off, sizeof out);
        return true;
    };
    auto string = [&](const Elf64_Shdr& table, uint64_t index) -> std::string {
        if (index >= table.sh_size || !fits(table.sh_offset, table.sh_size))
            return {};
        const char* s = file.data() + table.sh_offset + index;
        return std::string(s, strnlen(s, table.sh_size - index));
    };

    Elf64_Ehdr eh{};
    if (!read(eh, 0) || std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS64)
        return std::nullopt;
    std::vector<Elf64_Shdr> sections(eh.e_shnum);
    for (size_t i = 0; i < sections.size(); ++i)
        if (!read(sections[i], eh.e_shoff + i * sizeof(Elf64_Shdr)))
            return std::nullopt;

    ElfDynamic result;
    for (const Elf64_Shdr& sh : sections) {
        if (sh.sh_link >= sections.size())
            continue;
        const Elf64_Shdr& strtab = sections[sh.sh_link];
        if (sh.sh_type == SHT_DYNAMIC) {
            for (uint64_t off = 0; off + sizeof(Elf64_Dyn) <= sh.sh_size; off += sizeof(Elf64_Dyn)) {
                Elf64_Dyn d{};
                if (!read(d, sh.sh_offset + off) || d.d_tag == DT_NULL)
                    break;
                if (d.d_tag == DT_NEEDED)
                    result.needed.push_back(string(strtab, d.d_un.d_val));
            }
        } else if (sh.sh_type == SHT_DYNSYM) {
            for (uint64_t off = 0; off + sizeof(Elf64_Sym) <= sh.sh_size; off += sizeof(Elf64_Sym)) {
                Elf64_Sym s{};
                if (!read(s, sh.sh_offset + off))
                    break;
                const bool global = ELF64_ST_BIND(s.st_info) == STB_GLOBAL || ELF64_ST_BIND(s.st_info) == STB_WEAK;
                if (global && ELF64_ST_TYPE(s.st_info) == STT_FUNC && s.st_shndx != SHN_UNDEF &&
                    ELF64_ST_VISIBILITY(s.st_other) == STV_DEFAULT)
                    result.exportedFunctions.push_back(string(strtab, s.st_name));
            }
        }
    }
    return result;
}
