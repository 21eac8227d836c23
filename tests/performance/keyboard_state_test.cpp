#include "keyboard_state.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace piano {
namespace {

namespace fs = std::filesystem;

class KeyFileTest : public ::testing::Test {
  protected:
    fs::path dir;
    std::string path;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("keyfile-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        path = (dir / "Key").string();
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::vector<uint8_t> fileBytes() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void writeFile(const std::vector<uint8_t> &bytes) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static KeyboardState patterned() {
        KeyboardState s;
        for (int i = 0; i < KeyboardState::kSize; ++i)
            s.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
        return s;
    }
};

// Without a map to read, the keyboard is the shipped instrument, not every key on the first slot.
TEST_F(KeyFileTest, MissingOrEmptyFileGivesTheShippedMap) {
    for (bool leftEmpty : {false, true}) {
        SCOPED_TRACE(leftEmpty ? "empty" : "missing");
        fs::remove(path);
        if (leftEmpty) writeFile({});
        KeyboardState s;
        EXPECT_EQ(LoadKeyboardState(s, path), KeyFileLoad::CreatedDefault);
        EXPECT_TRUE(fs::exists(path));
        EXPECT_EQ(fs::file_size(path), 0u);
        EXPECT_EQ(s.slotPitch(1), 36);
        EXPECT_EQ(s.slotPitch(60), 95);
        EXPECT_EQ(s.slotVoice(60), 0);
        EXPECT_EQ(s.keyFunction(0x70), 0);                   // F1: slot 1
        EXPECT_EQ(s.keyFunction('Z'), 12);                   // slot 13
        EXPECT_EQ(s.keyFunction('Q'), 24);                   // slot 25
        EXPECT_EQ(s.keyFunction('A'), 255);                  // no function
        EXPECT_EQ(s.keyFunction(0x2D), kFirstButtonSelect);  // Insert
        EXPECT_EQ(s.buttonController(4), 64);
    }
}

TEST_F(KeyFileTest, RoundTripKeepsEverythingButChannelVoicesAndTarget) {
    const KeyboardState saved = patterned();
    writeFile(std::vector<uint8_t>(500, 0xEE));  // longer file: written over, not truncated
    ASSERT_TRUE(SaveKeyboardState(saved, path));
    EXPECT_EQ(fs::file_size(path), 500u);
    fs::resize_file(path, kKeyFileSize);

    KeyboardState loaded;
    EXPECT_EQ(LoadKeyboardState(loaded, path), KeyFileLoad::Read);
    for (int i = 0; i < KeyboardState::kSize; ++i) {
        const bool stored = i <= 406 || (i >= 423 && i <= 434);
        EXPECT_EQ(loaded.bytes[i], stored ? saved.bytes[i] : 0) << "byte " << i;
    }
}

TEST_F(KeyFileTest, LayerVoicesComeBeforeTheChannelBlocks) {
    KeyboardState s;
    s.chordVoice1(6) = 11;
    s.chordVoice2(11) = 22;
    s.bytes[KeyboardState::kChannelController] = 33;
    s.bytes[KeyboardState::kChannelControlValue + 15] = 44;
    ASSERT_TRUE(SaveKeyboardState(s, path));
    const auto file = fileBytes();
    ASSERT_EQ(file.size(), 419u);
    EXPECT_EQ(file[375], 11);
    EXPECT_EQ(file[386], 22);
    EXPECT_EQ(file[387], 33);
    EXPECT_EQ(file[418], 44);
}

TEST_F(KeyFileTest, ShortFileFillsEachBlockAsFarAsItReaches) {
    std::vector<uint8_t> bytes(380);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i % 200 + 1);
    writeFile(bytes);
    KeyboardState s;
    LoadKeyboardState(s, path);
    for (int i = 0; i <= 374; ++i)
        EXPECT_EQ(s.bytes[i], bytes[i]) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.bytes[423 + i], bytes[375 + i]);
    for (int i = 428; i < KeyboardState::kSize; ++i)
        EXPECT_EQ(s.bytes[i], 0) << i;
    EXPECT_EQ(s.bytes[375], 0);
}

// Runs `check` without the right to write other users' files (as nobody when the tests run as root),
// so that permissions are honoured; true when `check` returned true.
bool asUnprivilegedUser(const std::function<bool()> &check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(KeyFileTest, ReadOnlyFileStillGivesTheUsersMap) {
    const KeyboardState saved = patterned();
    ASSERT_TRUE(SaveKeyboardState(saved, path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(asUnprivilegedUser([&] {
        KeyboardState loaded;
        const bool read = LoadKeyboardState(loaded, path) == KeyFileLoad::ReadOnly &&
                          loaded.slotPitch(1) == saved.bytes[61] &&
                          loaded.keyFunction(0x41) == saved.bytes[121 + 0x41];
        // At shutdown nothing can be written, and that is reported.
        return read && !SaveKeyboardState(KeyboardState{}, path);
    }));
    EXPECT_EQ(fileBytes()[61], saved.bytes[61]);
}

TEST_F(KeyFileTest, UnreadableFileFallsBackToTheDefaultMap) {
    ASSERT_TRUE(SaveKeyboardState(patterned(), path));
    fs::permissions(path, fs::perms::none);
    EXPECT_TRUE(asUnprivilegedUser([&] {
        KeyboardState s;
        return LoadKeyboardState(s, path) == KeyFileLoad::CreatedDefault && s.slotPitch(1) == 36;
    }));
}

}  // namespace
}  // namespace piano
