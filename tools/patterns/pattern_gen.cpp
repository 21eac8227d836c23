// Writes the shipped accompaniment patterns:  pattern_gen <pattern dir> <names file>
// The names file lists the pattern files in panel order, one per line, for the install step that
// writes TkbFile with their installed paths.
#include "styles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pattern_gen <pattern dir> <names file>\n");
        return 2;
    }
    const std::filesystem::path dir = std::filesystem::u8path(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::ofstream names(argv[2], std::ios::trunc);
    for (const ShippedPattern &p : ShippedPatterns()) {
        const std::filesystem::path file = dir / std::filesystem::u8path(p.fileName);
        if (!take_file::Write(file.string(), p.records)) {
            std::fprintf(stderr, "pattern_gen: cannot write %s\n", file.string().c_str());
            return 1;
        }
        names << p.fileName << '\n';
    }
    return names ? 0 : 1;
}
