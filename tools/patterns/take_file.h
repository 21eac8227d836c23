#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The take file: 0x02 0x04, uint32 60000, uint32 L = 7 * n, then n records of uint32 delta (units of
// 4 ms), status, data1, data2. Numbers are little-endian.
namespace take_file {

struct Record {
    uint32_t delta = 0;
    uint8_t status = 0, data1 = 0, data2 = 0;
    bool operator==(const Record &) const = default;
};

std::vector<uint8_t> Serialize(const std::vector<Record> &records);
// Reads a whole file's bytes; nullopt when the header is short or L does not match the records that follow.
std::optional<std::vector<Record>> Parse(const std::vector<uint8_t> &bytes);
bool Write(const std::string &path, const std::vector<Record> &records);

}  // namespace take_file
