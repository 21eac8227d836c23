// Saving the recording buffer as a standard MIDI file or a take file, and loading take files as
// accompaniment patterns.
#include <gtest/gtest.h>

#include <filesystem>

#include "midi_writer.h"
#include "song_reader.h"
#include "song_support.h"
#include "take_file.h"

namespace nw::test {
namespace {

class TakeFiles : public ::testing::Test {
  protected:
    void record(std::initializer_list<EngineEvent> events) {
        for (const EngineEvent &e : events)
            e_.s().buffer[e_.s().recordCount++] = e;
    }
    Bytes track(const Bytes &file) { return Bytes(file.begin() + 22, file.end()); }

    Capture capture_;
    TempDir dir_;
    ManualEngine e_;
};

TEST(MidiWriter, WritesDeltasAsVariableLengthQuantitiesClampedToFourBytes) {
    const struct {
        uint32_t value;
        Bytes bytes;
    } cases[] = {
        {0, {0x00}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {200, {0x81, 0x48}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
        {0x10000000, {0xFF, 0xFF, 0xFF, 0x7F}},
        {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto &c : cases) {
        Bytes out;
        appendVlq(out, c.value);
        EXPECT_EQ(out, c.bytes) << c.value;
    }
}

TEST_F(TakeFiles, MidiFileHasTheFixedHeaderAndTwoOrThreeBytesPerEvent) {
    record({{50, 0x93, 60, 100, 0, 0}});
    const std::string path = dir_.file("one.mid");
    EXPECT_EQ(e_.command(MDRV_SAVE_BUFFER_MIDI, 0, path), 1);
    const Bytes file = readFile(path);
    const Bytes header{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 120, 'M', 'T', 'r', 'k', 0, 0, 0, 8};
    ASSERT_EQ(file.size(), 30u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 22), header);
    EXPECT_EQ(track(file), (Bytes{0x32, 0x93, 60, 100, 0x00, 0xFF, 0x2F, 0x00}));

    record({{200, 0xC3, 5, 0, 0, 0}, {0, 0xB3, 7, 90, 0, 0}, {1, 0xF8, 0, 0, 0, 0}, {2, 0xD3, 9, 0, 0, 0}});
    e_.command(MDRV_SAVE_BUFFER_MIDI, 0, path);
    // A system message has no place in a track: it is left out and its time goes to the next event.
    EXPECT_EQ(track(readFile(path)), (Bytes{0x32, 0x93, 60, 100, 0x81, 0x48, 0xC3, 5, 0x00, 0xB3, 7, 90, 0x03,
                                            0xD3, 9, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST_F(TakeFiles, SavedMidiFileReadsBackThroughTheSongReader) {
    e_.command(MDRV_START_RECORDING);
    e_.engine.send(Sender::Me1, 0x90, 60, 100);
    e_.ticks(400);
    e_.engine.send(Sender::Me1, 0x80, 60, 0);
    e_.ticks(3);
    e_.engine.send(Sender::Me1, 0xC0, 12, 0);
    const std::string path = dir_.file("take.mid");
    e_.command(MDRV_SAVE_BUFFER_MIDI, 0, path);

    const Bytes file = readFile(path);
    auto state = std::make_unique<EngineState>();
    SongReadResult r = readSong(file.data(), file.size(), *state);
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(r.division, 120);
    ASSERT_EQ(r.records, 4u);
    const uint32_t expected[][4] = {
        {0, 0x95, 60, 100}, {100, 0x85, 60, 0}, {0, 0xC5, 12, 0}, {0, 0xFF, 0x2F, 0}};
    for (int i = 0; i < 4; ++i) {
        const EngineEvent &e = state->song[i];
        EXPECT_EQ((std::vector<uint32_t>{e.delta, e.status, e.data1, e.data2}),
                  std::vector<uint32_t>(expected[i], expected[i] + 4))
            << i;
    }
}

TEST_F(TakeFiles, TakeFileHoldsSevenBytesPerEventAfterItsHeader) {
    record({{1, 0x90, 60, 100, 0, 0}, {300, 0x80, 60, 0, 0, 0}, {0x01020304, 0xC0, 5, 0, 0, 0}});
    const std::string path = dir_.file("three.tkb");
    EXPECT_EQ(e_.command(MDRV_SAVE_BUFFER_TKB, 0, path), 1);
    EXPECT_EQ(readFile(path), (Bytes{0x02, 0x04, 0x60, 0xEA, 0,    0,  21,  0,    0, 0,                  //
                                     1,    0,    0,    0,    0x90, 60, 100, 0x2C, 1, 0, 0, 0x80, 60, 0,  //
                                     4,    3,    2,    1,    0xC0, 5,  0}));
    EXPECT_TRUE(e_.host.boxes.empty());
}

TEST_F(TakeFiles, TakeOfMoreThanAPatternHoldsIsCutTo4000EventsAfterAWarning) {
    for (uint32_t i = 0; i < 5000; ++i)
        e_.s().buffer[i] = {i, 0x90, uint8_t(i & 0x7F), 1, 0, 0};
    e_.s().recordCount = 5000;
    const std::string path = dir_.file("long.tkb");
    e_.command(MDRV_SAVE_BUFFER_TKB, 0, path);
    ASSERT_EQ(e_.host.boxes.size(), 1u);
    EXPECT_EQ(e_.host.boxes[0].caption, path);
    EXPECT_EQ(e_.host.boxes[0].style, uint32_t(NW_MB_ICONWARNING));
    const Bytes file = readFile(path);
    EXPECT_EQ(file.size(), 10u + 28000u);
    EXPECT_EQ(Bytes(file.begin() + 6, file.begin() + 10), (Bytes{0x60, 0x6D, 0, 0}));  // 28000
}

TEST_F(TakeFiles, EmptyBufferIsNotSaved) {
    for (int code : {MDRV_SAVE_BUFFER_MIDI, MDRV_SAVE_BUFFER_TKB}) {
        const std::string path = dir_.write("empty", {});
        EXPECT_EQ(e_.command(code, 0, path), 0) << "nothing saved is not reported as saved";
        EXPECT_TRUE(readFile(path).empty());
    }
    ASSERT_EQ(e_.host.boxes.size(), 2u);
    EXPECT_EQ(e_.host.boxes[1].text, "没有发现一个事件，还没有录音不能存储");
    EXPECT_EQ(e_.host.boxes[1].caption, dir_.file("empty"));
    EXPECT_EQ(e_.host.boxes[1].style, uint32_t(NW_MB_ICONERROR));
}

TEST_F(TakeFiles, SaveThatCannotWriteTellsTheUserAndKeepsNoPartialFile) {
    record({{0, 0x90, 60, 100, 0, 0}});
    const std::string noFolder = dir_.file("gone/take.mid");
    for (int code : {MDRV_SAVE_BUFFER_MIDI, MDRV_SAVE_BUFFER_TKB}) {
        EXPECT_EQ(e_.command(code, 0, noFolder), 0);
        EXPECT_EQ(e_.command(code, 0, "/dev/full"), 0);
    }
    ASSERT_EQ(e_.host.boxes.size(), 4u);
    for (const auto &box : e_.host.boxes) {
        EXPECT_EQ(box.caption, "文件错误");
        EXPECT_EQ(box.style, uint32_t(NW_MB_ICONERROR));
    }

    // A save that works replaces the file whole and leaves nothing else beside it.
    const std::string path = dir_.write("kept.mid", Bytes(100, 0xAA));
    EXPECT_EQ(e_.command(MDRV_SAVE_BUFFER_MIDI, 0, path), 1);
    EXPECT_EQ(readFile(path).size(), 30u);
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir_.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(TakeFiles, SavedTakeLoadsBackAsThePattern) {
    record({{0, 0x90, 60, 100, 0, 0}, {25, 0x80, 60, 0, 0, 0}, {7, 0xB0, 1, 2, 0, 0}});
    const std::string path = dir_.file("pattern.tkb");
    e_.command(MDRV_SAVE_BUFFER_TKB, 0, path);
    e_.s().patternPosition = 2;
    e_.s().accompWait = 9;
    e_.s().accompProgramFlag = 1;
    EXPECT_EQ(e_.command(MDRV_LOAD_ACCOMP, 0, path), 1);
    EXPECT_EQ(e_.s().patternLength, 3u);
    EXPECT_EQ(e_.s().patternPosition, 0u);
    EXPECT_EQ(e_.s().accompWait, 0u);
    EXPECT_EQ(e_.s().accompProgramFlag, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e_.s().pattern[i].delta, e_.s().buffer[i].delta);
        EXPECT_EQ(e_.s().pattern[i].status, e_.s().buffer[i].status);
        EXPECT_EQ(e_.s().pattern[i].data2, e_.s().buffer[i].data2);
    }
}

TEST(TakeReader, ReadsWholeRecordsWhileBytesRemainBelowTheDeclaredLength) {
    auto take = [](uint32_t declared, int records, int extraBytes) {
        Bytes f{0x02, 0x04, 0x60, 0xEA, 0, 0};
        for (int i = 0; i < 4; ++i)
            f.push_back(uint8_t(declared >> (8 * i)));
        for (int i = 0; i < records; ++i)
            f.insert(f.end(), {uint8_t(i), 0, 0, 0, 0x90, 60, 1});
        f.insert(f.end(), size_t(extraBytes), 0x55);
        return f;
    };
    const struct {
        const char *name;
        Bytes file;
        long records;
    } cases[] = {
        {"as declared", take(21, 3, 0), 3},
        {"declared 0", take(0, 3, 0), 0},
        {"file ends early", take(70, 3, 4), 3},
        {"length not a multiple of 7", take(15, 5, 0), 3},
        {"more than a pattern holds", take(7 * 5000, 5000, 0), 4095},
        {"header only", take(7, 0, 0), 0},
        {"header cut short", Bytes{0x02, 0x04, 0x60, 0xEA, 0, 0, 7, 0, 0}, -1},
    };
    auto pattern = std::make_unique<EngineEvent[]>(kPatternCapacity);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseTakeFile(c.file.data(), c.file.size(), pattern.get(), kPatternCapacity), c.records);
    }
    EXPECT_EQ(pattern[4094].delta, uint32_t(4094 & 0xFF));
}

TEST_F(TakeFiles, UnreadableTakeWarnsOnceAndLeavesAnEmptyPattern) {
    record({{0, 0x90, 60, 100, 0, 0}});
    const std::string good = dir_.file("good.tkb");
    e_.command(MDRV_SAVE_BUFFER_TKB, 0, good);
    for (const std::string &bad :
         {dir_.file("missing.tkb"), dir_.write("short.tkb", {2, 4, 0}), dir_.path().string()}) {
        SCOPED_TRACE(bad);
        ASSERT_EQ(e_.command(MDRV_LOAD_ACCOMP, 0, good), 1);
        ASSERT_EQ(e_.s().patternLength, 1u);
        e_.host.boxes.clear();
        EXPECT_EQ(e_.command(MDRV_LOAD_ACCOMP, 0, bad), 1);
        EXPECT_EQ(e_.s().patternLength, 0u);
        ASSERT_EQ(e_.host.boxes.size(), 1u);
        EXPECT_EQ(e_.host.boxes[0].text, "该文件的格式不是TKB文件格式，不能读取，请检查文件是否正确!");
        EXPECT_EQ(e_.host.boxes[0].caption, "文件错误");
        EXPECT_EQ(e_.host.boxes[0].style, uint32_t(NW_MB_ICONWARNING));
    }
}

TEST_F(TakeFiles, EmptyPatternDoesNotPlay) {
    const std::string path =
        dir_.write("empty.tkb", {2, 4, 0x60, 0xEA, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x90, 60, 1});
    e_.command(MDRV_LOAD_ACCOMP, 0, path);
    EXPECT_EQ(e_.s().patternLength, 0u);
    const size_t before = capture_.messages().size();
    e_.command(MDRV_START_ACCOMP);
    e_.ticks(20);
    EXPECT_EQ(capture_.messages().size(), before);
}

}  // namespace
}  // namespace nw::test
