// The song reader: what it stores, in which order, and which message refuses which damaged file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "song_messages.h"
#include "song_reader.h"
#include "song_support.h"

namespace nw::test {
namespace {

namespace msg = song_message;

struct Record {
    uint32_t delta;
    uint8_t status, data1, data2;
    bool operator==(const Record &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Record &r) {
    return os << "{" << r.delta << ", 0x" << std::hex << int(r.status) << std::dec << ", " << int(r.data1)
              << ", " << int(r.data2) << "}";
}

class SongReader : public ::testing::Test {
  protected:
    // The image is copied into a block of exactly its size, so a read past it is caught under ASan.
    SongReadResult read(const Bytes &bytes) {
        image_ = std::make_unique<uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), image_.get());
        return readSong(image_.get(), bytes.size(), *state_);
    }
    std::vector<Record> records(const SongReadResult &r) const {
        std::vector<Record> out;
        for (uint32_t i = 0; i < r.records; ++i) {
            const EngineEvent &e = state_->song[i];
            out.push_back({e.delta, e.status, e.data1, e.data2});
        }
        return out;
    }
    std::unique_ptr<EngineState> state_ = std::make_unique<EngineState>();
    std::unique_ptr<uint8_t[]> image_;
};

Bytes riff(std::vector<std::pair<std::string, Bytes>> chunks, const char *form = "RMID") {
    Bytes body(form, form + 4);
    for (auto &[id, data] : chunks) {
        body.insert(body.end(), id.begin(), id.end());
        for (int i = 0; i < 4; ++i)
            body.push_back(uint8_t(data.size() >> (8 * i)));
        body.insert(body.end(), data.begin(), data.end());
        if (data.size() & 1) body.push_back(0);
    }
    Bytes out{'R', 'I', 'F', 'F'};
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(body.size() >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

TEST_F(SongReader, RefusesDamagedFilesWithTheMessageForTheSite) {
    const Bytes good = smf({Track().ev(0, {0x90, 60, 100}).end()});
    Bytes lengthPastEnd = good;
    lengthPastEnd[21] += 1;  // the track claims one byte more than the file has
    Bytes twoTracksDeclared = good;
    twoTracksDeclared[11] = 2;
    Bytes headerLength5 = good;
    headerLength5[7] = 5;
    Bytes wrongChunk = good;
    wrongChunk[14] = 'X';
    Bytes headerOnly{'M', 'T', 'h', 'd', 0, 0, 0, 6};

    struct Case {
        const char *name;
        Bytes file;
        const char *message;
    } cases[] = {
        {"seven bytes", Bytes{'M', 'T', 'h', 'd', 0, 0, 0}, msg::kFileSize},
        {"header without its fields", headerOnly, msg::kHeaderSize},
        {"header length 5", headerLength5, msg::kHeaderSize},
        {"not MThd", Bytes(20, 'x'), msg::kNotMidi},
        {"RIFF of another form", riff({{"data", good}}, "WAVE"), msg::kNotMidi},
        {"RMID without data chunk", riff({{"LIST", Bytes(6, 1)}}), msg::kRiffSize},
        {"256 tracks", smfHeader(256, 96), msg::kTooManyTracks},
        {"second track missing", twoTracksDeclared, msg::kTrackSize},
        {"track length past the file", lengthPastEnd, msg::kTrackSize},
        {"chunk that is not MTrk", wrongChunk, msg::kNotTrack},
        {"first delta runs past track", withTrackData({0x81}), msg::kFirstTrackDelta},
        {"delta after an event runs past track", withTrackData({0, 0x90, 60, 100, 0x83}),
         msg::kFirstTrackDelta},
        {"other track's delta runs past it",
         [] {
             Bytes f = smfHeader(2, 96);
             appendTrackChunk(f, Track().ev(0, {0x90, 60, 100}).end().data);
             appendTrackChunk(f, {0xFF});
             return f;
         }(),
         msg::kOtherTrackDelta},
        {"note cut by the track end", withTrackData({0, 0x90, 60}), msg::kTrackLength},
        {"program change cut by the track end", withTrackData({0, 0xC0}), msg::kTrackLength},
        {"running status with none set", withTrackData({0, 60, 100, 0, 0xFF, 0x2F, 0}), msg::kRunningStatus},
        {"system common byte F1", withTrackData({0, 0xF1, 1, 0, 0xFF, 0x2F, 0}), msg::kRunningStatus},
        {"real-time byte F8", withTrackData({0, 0x90, 60, 100, 0, 0xF8, 0, 0xFF, 0x2F, 0}),
         msg::kRunningStatus},
        {"undefined byte FD", withTrackData({0, 0xFD, 0, 0xFF, 0x2F, 0}), msg::kRunningStatus},
        {"sysex data past the track", withTrackData({0, 0xF0, 5, 1, 2}), msg::kSysexLength},
        {"sysex length past the track", withTrackData({0, 0xF0, 0x81}), msg::kSysexLength},
        {"meta type missing", withTrackData({0, 0xFF}), msg::kMetaLength},
        {"meta data past the track", withTrackData({0, 0xFF, 1, 5, 'a'}), msg::kMetaLength},
        {"tempo of two bytes", withTrackData({0, 0xFF, 0x51, 2, 7, 0xA1, 0, 0xFF, 0x2F, 0}),
         msg::kMetaLength},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(read(c.file).error, c.message);
    }
}

TEST_F(SongReader, ErrorsBeforeTheMergeLeaveChannelRolesAlone) {
    state_->roles[3] = CH_MUTED;
    EXPECT_NE(read(smfHeader(256, 96)).error, nullptr);
    EXPECT_EQ(state_->roles[3], CH_MUTED);

    SongReadResult r = read(withTrackData({0, 0x93, 60, 100, 0, 0xF1}));
    EXPECT_TRUE(r.mergeStarted);
    EXPECT_EQ(state_->roles[3], CH_SONG);  // set as far as the merge got
    EXPECT_EQ(state_->roles[0], CH_FREE);
}

TEST_F(SongReader, EqualTimesGoInTrackOrderAndEachTrackInFileOrder) {
    SongReadResult r = read(smf({
        Track().ev(0, {0x90, 1, 1}).ev(10, {0x90, 2, 1}).ev(0, {0x90, 3, 1}).end(5),
        Track().ev(10, {0x91, 4, 1}).ev(0, {0x91, 5, 1}).end(),
        Track().ev(0, {0x92, 6, 1}).ev(20, {0x92, 7, 1}).end(),
    }));
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(records(r), (std::vector<Record>{
                              {0, 0x90, 1, 1},
                              {0, 0x92, 6, 1},
                              {10, 0x90, 2, 1},
                              {0, 0x90, 3, 1},
                              {0, 0x91, 4, 1},
                              {0, 0x91, 5, 1},
                              {0, 0xFF, 0x2F, 1},  // track 2 ends at 10
                              {5, 0xFF, 0x2F, 1},  // track 1 at 15
                              {5, 0x92, 7, 1},
                              {0, 0xFF, 0x2F, 1},
                          }));
}

TEST_F(SongReader, RunningStatusSurvivesMetaAndSysexWhichKeepThePreviousDataBytes) {
    Track t;
    t.ev(0, {0x91, 60, 100}).meta(0, 0x01, {'h', 'i'}).ev(5, {62, 90}).sysex(0, {0x7E, 0x7F, 0xF7});
    t.ev(5, {64, 0}).sysex(0, {0x01}, 0xF7).ev(1, {0xC2, 7}).ev(0, {8}).end();
    SongReadResult r = read(smf({t}));
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(records(r), (std::vector<Record>{
                              {0, 0x91, 60, 100},
                              {0, 0xFF, 0x01, 100},  // meta: type as data1, data2 carried
                              {5, 0x91, 62, 90},
                              {0, 0xF0, 62, 90},  // sysex: both carried
                              {5, 0x91, 64, 0},   // a running-status note-on of velocity 0 stays 0x9n
                              {0, 0xF0, 64, 0},   // an F7 escape is skipped like F0
                              {1, 0xC2, 7, 0},
                              {0, 0xC2, 8, 0},
                              {0, 0xFF, 0x2F, 0},
                          }));
}

TEST_F(SongReader, TempoRecordsCarryTheirTempo) {
    SongReadResult r =
        read(smf({Track().tempo(0, 600000).end(), Track().ev(0, {0x90, 60, 1}).tempo(7, 0x07A120).end()}));
    ASSERT_EQ(r.error, nullptr);
    ASSERT_EQ(r.records, 5u);
    EXPECT_EQ(state_->song[0].status, 0xFF);
    EXPECT_EQ(state_->song[0].data1, 0x51);
    EXPECT_EQ(state_->song[0].tempo, 600000u);
    EXPECT_EQ(state_->song[3].tempo, 500000u);
    EXPECT_EQ(state_->song[3].delta, 7u);
}

TEST_F(SongReader, TracksThatEndWithoutEndEventOrAreEmptyAreRead) {
    Bytes f = smfHeader(3, 96);
    appendTrackChunk(f, {});
    appendTrackChunk(f, Track().ev(3, {0x95, 60, 1}).data);  // no end of track
    appendTrackChunk(f, Track().ev(1, {0x96, 60, 1}).end(9).data);
    SongReadResult r = read(f);
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(records(r), (std::vector<Record>{{1, 0x96, 60, 1}, {2, 0x95, 60, 1}, {7, 0xFF, 0x2F, 1}}));
}

TEST_F(SongReader, ChannelRolesMarkEveryChannelWithAChannelMessage) {
    for (auto &role : state_->roles)
        role = CH_KEYBOARD;
    SongReadResult r = read(smf({Track().ev(0, {0xC4, 1}).ev(0, {0xB7, 7, 1}).ev(0, {0xF0, 1, 0xF7}).end()}));
    ASSERT_EQ(r.error, nullptr);
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(state_->roles[c], (c == 4 || c == 7) ? CH_SONG : CH_FREE) << c;
}

TEST_F(SongReader, ReadsTheDataChunkOfARiffRmidForm) {
    const Bytes inner = smf({Track().ev(0, {0x90, 60, 100}).end()});
    SongReadResult r = read(riff({{"INFO", Bytes(3, 'i')}, {"data", inner}, {"tail", {}}}));
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(records(r), (std::vector<Record>{{0, 0x90, 60, 100}, {0, 0xFF, 0x2F, 100}}));

    Bytes cut = riff({{"data", inner}});
    cut.resize(cut.size() - 1);  // the data chunk now claims more than the file holds
    EXPECT_STREQ(read(cut).error, msg::kRiffSize);
}

TEST_F(SongReader, ReadsUpTo255Tracks) {
    std::vector<Track> tracks(255);
    for (auto &t : tracks)
        t.ev(1, {0x90, 60, 1}).end();
    SongReadResult r = read(smf(tracks));
    ASSERT_EQ(r.error, nullptr);
    EXPECT_EQ(r.records, 510u);
    EXPECT_EQ(r.tracks, 255);
}

TEST_F(SongReader, StoreAcceptsOneRecordLessThanTheLoadLimit) {
    auto songOf = [](uint32_t records) {
        Track t;
        t.data.reserve(records * 3);
        t.ev(0, {0x90, 60, 1});
        for (uint32_t i = 2; i < records; ++i)
            t.ev(0, {60, 1});  // running status, 2 bytes a record
        return smf({t.end()});
    };
    SongReadResult fits = read(songOf(kSongLoadLimit - 1));
    EXPECT_EQ(fits.error, nullptr);
    EXPECT_EQ(fits.records, kSongLoadLimit - 1);
    EXPECT_STREQ(read(songOf(kSongLoadLimit)).error, msg::kTooBig);
}

TEST_F(SongReader, DivisionZeroIsAccepted) {
    SongReadResult r = read(smf({Track().ev(0, {0x90, 60, 1}).end()}, 0));
    EXPECT_EQ(r.error, nullptr);
    EXPECT_EQ(r.division, 0);
}

#ifdef NOTEWIRE_SMF_TESTDATA
// Every file of the public collections either loads or is refused with one of the reader's messages; the
// damaged ones are refused with the message that fits.
TEST_F(SongReader, PublicCollectionsLoadOrAreRefusedCleanly) {
    const std::filesystem::path root = NOTEWIRE_SMF_TESTDATA;
    ASSERT_TRUE(std::filesystem::is_directory(root)) << "the public MIDI test files are missing at " << root;
    const std::map<std::string, const char *> refused = {
        {"test-corrupt-file-missing-byte.mid", msg::kTrackSize},
        {"test-empty-file.mid", msg::kFileSize},
        {"test-non-midi-track.mid", msg::kNotTrack},
        {"test-not-a-midi-file.mid", msg::kNotMidi},
        {"PiDamaged.mid", msg::kTrackSize},
        {"colorlist.txt", msg::kNotMidi},
    };
    const std::set<std::string> allMessages = {
        msg::kFileSize,    msg::kNotMidi,       msg::kHeaderSize,      msg::kTooManyTracks,
        msg::kTrackSize,   msg::kNotTrack,      msg::kFirstTrackDelta, msg::kOtherTrackDelta,
        msg::kTrackLength, msg::kRunningStatus, msg::kSysexLength,     msg::kMetaLength,
        msg::kTooBig,      msg::kRiffSize};
    int loaded = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        SCOPED_TRACE(name);
        SongReadResult r = read(readFile(entry.path().string()));
        if (name.rfind("test-illegal-message-", 0) == 0) {
            EXPECT_STREQ(r.error, msg::kRunningStatus);
        } else if (refused.count(name)) {
            EXPECT_STREQ(r.error, refused.at(name));
        } else if (ext == ".mid" || ext == ".rmi") {
            EXPECT_EQ(r.error, nullptr) << r.error;
            loaded += r.error == nullptr;
        } else if (r.error) {
            EXPECT_TRUE(allMessages.count(r.error)) << r.error;
        }
    }
    EXPECT_GT(loaded, 50);
}
#endif

}  // namespace
}  // namespace nw::test
