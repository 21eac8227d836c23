#include "pattern_builder.h"
#include "styles.h"
#include "take_file.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ShippedNames() {
    std::ifstream in(SHIPPED_PATTERN_NAMES);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        names.push_back(line);
    return names;
}

// Milliseconds one pass of a pattern lasts at an accompaniment speed: a wait of W after a record means
// the next record plays W + 1 ticks later, and the first record's delta is never waited for.
uint32_t LoopMilliseconds(const std::vector<take_file::Record> &records, uint32_t speed) {
    uint32_t ms = 0;
    for (size_t i = 1; i < records.size(); ++i)
        if (records[i].delta > 0) ms += records[i].delta * 20 / (speed + 2) + 1;
    return ms;
}

bool IsNoteOn(const take_file::Record &r) {
    return (r.status & 0xF0) == 0x90 && r.data2 > 0;
}
bool IsNoteOff(const take_file::Record &r) {
    return (r.status & 0xF0) == 0x80 || ((r.status & 0xF0) == 0x90 && r.data2 == 0);
}

}  // namespace

TEST(TakeFile, SerializesTheHeaderAndRecordsLittleEndianAndParsesThemBack) {
    const std::vector<take_file::Record> records = {
        {0, 0xC0, 5, 0}, {0x01020304, 0x90, 60, 100}, {200, 0x80, 60, 0}};
    const std::vector<uint8_t> bytes = take_file::Serialize(records);
    ASSERT_EQ(bytes.size(), 31u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 10),
              (std::vector<uint8_t>{0x02, 0x04, 0x60, 0xEA, 0x00, 0x00, 21, 0, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 17, bytes.begin() + 24),
              (std::vector<uint8_t>{0x04, 0x03, 0x02, 0x01, 0x90, 60, 100}));
    EXPECT_EQ(take_file::Parse(bytes), records);

    std::vector<uint8_t> shortened(bytes.begin(), bytes.end() - 1);
    EXPECT_FALSE(take_file::Parse(shortened).has_value());
    EXPECT_FALSE(take_file::Parse({0x02, 0x04, 0x60}).has_value());
}

TEST(PatternBuilder, StartsWithAProgramChangeAtTimeZeroAndEndsWithARecordAtTheLoopEnd) {
    PatternBuilder b(10);
    b.Note(2, 1, 60, 100, 33, 1, 0.5);  // a single short note in the middle of a four-step loop
    const auto records = b.Build(4);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (take_file::Record{0, 0xC1, 33, 0}));
    EXPECT_EQ(records[1], (take_file::Record{20, 0x91, 60, 100}));
    EXPECT_EQ(records[2], (take_file::Record{5, 0x81, 60, 0}));
    EXPECT_EQ(records[3].delta, 15u);  // carries the wait up to the loop's end
    EXPECT_FALSE(IsNoteOn(records[3]));
}

TEST(PatternBuilder, EndsAPitchBeforeItIsStruckAgainAndSwitchesProgramsOnlyWhenTheyChange) {
    PatternBuilder b(10);
    b.Note(0, 4, 48, 100, 32, 1);  // held across the next strike of the same pitch
    b.Note(1, 1, 48, 90, 32, 1);
    b.Note(2, 1, 72, 80, 0, 2);
    b.Note(3, 1, 74, 80, 0, 2);
    const auto records = b.Build(4);
    std::set<int> sounding;
    int programChanges = 0;
    for (const auto &r : records) {
        if ((r.status & 0xF0) == 0xC0) ++programChanges;
        if (IsNoteOn(r)) {
            EXPECT_TRUE(sounding.insert(r.data1).second)
                << "pitch " << int(r.data1) << " struck while sounding";
        } else if (IsNoteOff(r)) {
            sounding.erase(r.data1);
        }
    }
    EXPECT_TRUE(sounding.empty());
    EXPECT_EQ(programChanges, 2);
}

TEST(ShippedPatterns, ElevenDistinctTakeFilesListedInPanelOrder) {
    const auto patterns = ShippedPatterns();
    const auto names = ShippedNames();
    ASSERT_EQ(patterns.size(), 11u);
    ASSERT_EQ(names.size(), 11u);
    std::set<std::string> unique;
    for (size_t i = 0; i < patterns.size(); ++i) {
        EXPECT_EQ(names[i], patterns[i].fileName);
        EXPECT_TRUE(names[i].ends_with(".tkb")) << names[i];
        unique.insert(names[i]);
    }
    EXPECT_EQ(unique.size(), 11u);
}

TEST(ShippedPatterns, EachFileParsesLoopsExactlyAndLeavesNoNoteHanging) {
    for (const ShippedPattern &p : ShippedPatterns()) {
        SCOPED_TRACE(p.fileName);
        const auto bytes =
            ReadBytes(std::filesystem::u8path(SHIPPED_PATTERN_DIR) / std::filesystem::u8path(p.fileName));
        const auto records = take_file::Parse(bytes);
        ASSERT_TRUE(records.has_value());
        ASSERT_EQ(*records, p.records);
        ASSERT_LE(records->size(), 4095u);
        EXPECT_EQ((*records)[0].delta, 0u);
        EXPECT_EQ((*records)[0].status & 0xF0, 0xC0) << "the pattern must choose its own voice first";

        // The loop's length is the sum of the waited deltas: exactly the bars the pattern was written for.
        uint32_t units = 0;
        for (size_t i = 1; i < records->size(); ++i)
            units += (*records)[i].delta;
        EXPECT_EQ(units, p.loopUnits);
        const uint32_t ms = LoopMilliseconds(*records, 2);  // the tempo slider's default place
        EXPECT_GE(ms / p.bars, 1000u);
        EXPECT_LE(ms / p.bars, 3500u);

        std::set<int> sounding;
        int strikes = 0;
        for (const auto &r : *records) {
            EXPECT_LT(r.data1, 0x80);
            EXPECT_LT(r.data2, 0x80);
            if (IsNoteOn(r)) {
                ++strikes;
                EXPECT_LE(r.data2, 120) << "too loud at the loudest accompaniment volume";
                EXPECT_GE(r.data2, 40) << "inaudible at the default accompaniment volume";
                EXPECT_TRUE(sounding.insert(r.data1).second)
                    << "pitch " << int(r.data1) << " struck while sounding";
            } else if (IsNoteOff(r)) {
                sounding.erase(r.data1);
            }
        }
        EXPECT_TRUE(sounding.empty()) << "notes still sound at the loop's end";
        EXPECT_GT(strikes, 0);
        EXPECT_LE(strikes, 91) << "the player's note ring would cut notes short";
    }
}
