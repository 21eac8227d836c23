// Writes the shipped key map as a `Key` file: key_gen OUTPUT
#include <cstdio>
#include <fstream>

#include "default_key_map.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: key_gen OUTPUT\n");
        return 2;
    }
    std::ofstream(argv[1], std::ios::binary | std::ios::trunc);  // the writer fills an existing file
    piano::KeyboardState state;
    piano::BuildDefaultKeyMap(state);
    if (!piano::SaveKeyboardState(state, argv[1])) {
        std::fprintf(stderr, "key_gen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
