#pragma once

#include "take_file.h"

#include <cstdint>
#include <string>
#include <vector>

// The eleven accompaniment patterns shipped with the program, in panel order (panels 2 to 12).
struct ShippedPattern {
    std::string fileName;  // UTF-8, names the style
    uint32_t loopUnits;    // loop length in units of 4 ms
    int bars;
    std::vector<take_file::Record> records;
};

std::vector<ShippedPattern> ShippedPatterns();
