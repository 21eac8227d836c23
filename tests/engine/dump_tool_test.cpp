// notewire-dump run as a user would: the store of a small song, its summary, and a refused file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "song_support.h"

namespace nw::test {
namespace {

struct DumpRun {
    int status;
    std::string out, err;
};

DumpRun runDump(const std::string &args, const TempDir &dir) {
    const std::string out = dir.file("out.txt"), err = dir.file("err.txt");
    const std::string command =
        std::string("'" NOTEWIRE_DUMP "' ") + args + " > '" + out + "' 2> '" + err + "'";
    const int raw = std::system(command.c_str());
    auto text = [](const std::string &p) {
        Bytes b = readFile(p);
        return std::string(b.begin(), b.end());
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text(out), text(err)};
}

TEST(DumpTool, PrintsAbsoluteTicksHexStatusAndTempo) {
    TempDir dir;
    const std::string song =
        dir.write("song.mid", smf({Track().tempo(0, 400000).ev(96, {0x91, 60, 100}).end(),
                                   Track().ev(48, {0xC2, 7}).ev(48, {0xB2, 7, 90}).end(10)},
                                  96));
    const DumpRun full = runDump("'" + song + "'", dir);
    EXPECT_EQ(full.status, 0);
    EXPECT_EQ(full.out,
              "# tracks=2 division=96 events=6\n"
              "0 FF 81 0 400000\n"
              "48 C2 7 0\n"
              "96 91 60 100\n"
              "96 FF 47 100\n"
              "96 B2 7 90\n"
              "106 FF 47 90\n");
    const DumpRun summary = runDump("--summary '" + song + "'", dir);
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.out, "# tracks=2 division=96 events=6\n");
}

TEST(DumpTool, RefusedFileGivesTheMessageOnStderrAndNothingOnStdout) {
    TempDir dir;
    const DumpRun run = runDump("'" + dir.write("bad.mid", Bytes{'M', 'T', 'h', 'd', 0, 0, 0}) + "'", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "读文件时出错,文件大小!\n");
    EXPECT_EQ(runDump("'" + dir.file("missing.mid") + "'", dir).status, 1);
}

}  // namespace
}  // namespace nw::test
