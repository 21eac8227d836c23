#include "take_file.h"

#include <fstream>

namespace take_file {
namespace {

void PutU32(std::vector<uint8_t> &out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t GetU32(const std::vector<uint8_t> &in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}

constexpr size_t kHeader = 10, kRecord = 7;

}  // namespace

std::vector<uint8_t> Serialize(const std::vector<Record> &records) {
    std::vector<uint8_t> out = {0x02, 0x04};
    PutU32(out, 60000);
    PutU32(out, uint32_t(records.size() * kRecord));
    for (const Record &r : records) {
        PutU32(out, r.delta);
        out.insert(out.end(), {r.status, r.data1, r.data2});
    }
    return out;
}

std::optional<std::vector<Record>> Parse(const std::vector<uint8_t> &bytes) {
    if (bytes.size() < kHeader) return std::nullopt;
    const uint32_t length = GetU32(bytes, 6);
    if (length % kRecord != 0 || bytes.size() != kHeader + length) return std::nullopt;
    std::vector<Record> records;
    for (size_t at = kHeader; at < bytes.size(); at += kRecord)
        records.push_back({GetU32(bytes, at), bytes[at + 4], bytes[at + 5], bytes[at + 6]});
    return records;
}

bool Write(const std::string &path, const std::vector<Record> &records) {
    const std::vector<uint8_t> bytes = Serialize(records);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace take_file
