#include <sys/resource.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>

#include <csignal>
#include <optional>

#include "dialog_fixture.h"
#include "engine_host.h"
#include "save_page.h"
#include "test_installation.h"

namespace piano::test {
namespace {

using Calls = std::vector<EngineCommand>;

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class SavePageTest : public DialogTest {
  protected:
    // The save page, opened non-modally so a test can drive it step by step.
    SavePage &savePage() {
        FunctionDialog &d = open(0);
        d.savePage()->prepare();
        d.showTab(FunctionTab::Save, FunctionSize::kSave);
        return *d.savePage();
    }
    std::string path(const QString &name) const { return QFile::encodeName(file(name)).toStdString(); }
};

TEST_F(SavePageTest, OpensOnTheMidiTypeWithTheRememberedNameAndOptions) {
    memory().saveFileName = "/x/take.tkb";
    program.state.settings.savePlay = true;
    bool ran = false;
    openModal(1, [&](FunctionDialog &d) {
        ran = true;
        SavePage &p = *d.savePage();
        EXPECT_TRUE(p.midiButton->isChecked());
        EXPECT_EQ(p.nameField->text(), "/x/take.mid");
        EXPECT_TRUE(p.savePlayBox->isChecked());
        EXPECT_FALSE(p.saveTkbBox->isChecked());
        p.showOptions();
        EXPECT_EQ(d.containerTop(), -220);
        p.setSaveTkb(true);
        p.setSavePlay(false);
        p.showMainView();
        EXPECT_EQ(d.containerTop(), -22);
    });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(program.state.settings.saveTkb);
    EXPECT_FALSE(program.state.settings.savePlay);
}

TEST_F(SavePageTest, TypeButtonsSwapOnlyLowerCaseEndings) {
    SavePage &p = savePage();
    struct Case {
        const char *name;
        bool take;
        const char *result;
    } cases[] = {{"a.mid", true, "a.tkb"},
                 {"a.tkb", false, "a.mid"},
                 {"a.MID", true, "a.MID"},
                 {"a.txt", true, "a.txt"},
                 {"a.tkb", true, "a.tkb"}};
    for (const Case &c : cases) {
        p.nameField->setText(c.name);
        c.take ? p.chooseTake() : p.chooseMidi();
        EXPECT_EQ(p.nameField->text(), c.result) << c.name;
        EXPECT_EQ(memory().saveFileName, c.result);
    }
}

TEST_F(SavePageTest, BrowseUsesTheTypesFilterAndAppendsItsExtension) {
    SavePage &p = savePage();
    dialogs.fileAnswers = {{"/m/song.MID"}, {"/m/t.tkb"}, {}};
    ASSERT_TRUE(p.nameField->text().isEmpty());
    EXPECT_TRUE(p.browse());
    EXPECT_EQ(dialogs.fileDialogs.back().filter, "标准MIDI文件 (*.mid)|*.MID");
    // A first save starts in the user's music folder or home, not the installation folder.
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    EXPECT_TRUE(dialogs.fileDialogs.back().folder == music ||
                dialogs.fileDialogs.back().folder == QDir::homePath())
        << dialogs.fileDialogs.back().folder.toStdString();
    EXPECT_EQ(p.nameField->text(), "/m/song.MID.mid");
    p.chooseTake();
    EXPECT_TRUE(p.browse());
    EXPECT_EQ(dialogs.fileDialogs.back().filter, "伴奏文件 (*.tkb)|*.TKB");
    EXPECT_EQ(p.nameField->text(), "/m/t.tkb");
    EXPECT_FALSE(p.browse());
    EXPECT_EQ(p.nameField->text(), "/m/t.tkb");
}

TEST_F(SavePageTest, AnUpperCaseExtensionGetsTheLowerCaseOneAppended) {
    SavePage &p = savePage();
    p.nameField->setText(file("song.MID"));
    p.save();
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("song.MID.mid")}}));
    EXPECT_FALSE(QFile::exists(file("song.MID.mid"))) << "only the engine writes";
    EXPECT_TRUE(closed());
}

TEST_F(SavePageTest, OverwriteYesLeavesTheFileToTheEnginesWrite) {
    writeFile(file("old.tkb"), "old contents");
    SavePage &p = savePage();
    p.chooseTake();
    p.nameField->setText(file("old.tkb"));
    dialogs.answers = {NW_IDYES};
    p.save();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, file("old.tkb"));
    EXPECT_EQ(dialogs.boxes[0].text, file("old.tkb") + "\n你指定的文件已经存在是否覆盖");
    EXPECT_EQ(readFile(file("old.tkb")), "old contents");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_TKB, 0, path("old.tkb")}}));
    EXPECT_EQ(program.state.takesSaved, 1);
}

TEST_F(SavePageTest, OverwriteNoThenAnExistingBareNameAsksAgainAboutTheFinalName) {
    writeFile(file("old.mid"), "keep");
    writeFile(file("other.mid"), "stale");
    SavePage &p = savePage();
    p.nameField->setText(file("old.mid"));
    dialogs.answers = {NW_IDNO, NW_IDYES};
    dialogs.fileAnswers = {{file("other")}};
    p.save();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].caption, file("other.mid"));
    EXPECT_EQ(readFile(file("old.mid")), "keep");
    EXPECT_EQ(readFile(file("other.mid")), "stale");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("other.mid")}}));
}

TEST_F(SavePageTest, OverwriteNoThenCancelKeepsTheFileAndSavesNothing) {
    writeFile(file("old.mid"), "keep");
    SavePage &p = savePage();
    p.nameField->setText(file("old.mid"));
    dialogs.answers = {NW_IDNO};
    dialogs.fileAnswers = {QStringList{}};
    p.save();
    EXPECT_EQ(readFile(file("old.mid")), "keep");
    EXPECT_TRUE(engine.actions().empty());
    EXPECT_FALSE(closed());
    EXPECT_EQ(program.state.takesSaved, 0);
}

TEST_F(SavePageTest, MissingFolderOrEmptyNameWarnsAndBrowses) {
    SavePage &p = savePage();
    p.nameField->setText(file("nofolder/x.mid"));
    dialogs.fileAnswers = {{file("found.mid")}};
    p.save();
    ASSERT_GE(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Not Path");
    EXPECT_EQ(dialogs.boxes[0].text, "不能创建文件,没有找到文件夹!请再选一个\n请给予正确文件夹名");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("found.mid")}}));

    dialogs.boxes.clear();
    engine.calls.clear();
    SavePage &q = savePage();
    q.nameField->setText("");
    dialogs.fileAnswers = {{file("named.mid")}};
    q.save();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "文件名错误");
    EXPECT_EQ(dialogs.boxes[0].text, "不能创建文件,文件名为空!请再选一个");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("named.mid")}}));
}

TEST_F(SavePageTest, CancellingTheBrowseDialogEndsTheSaveWithoutAnotherBox) {
    for (const QString &name : {QString(), file("nofolder/x.mid")}) {
        dialogs.boxes.clear();
        SavePage &p = savePage();
        p.nameField->setText(name);
        dialogs.fileAnswers = {QStringList{}};
        p.save();
        EXPECT_EQ(dialogs.boxes.size(), 1u) << name.toStdString();
        EXPECT_TRUE(engine.actions().empty());
        EXPECT_FALSE(QDir(file("nofolder")).exists());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Piano"}) << "nothing created";
        EXPECT_FALSE(closed());
    }
}

TEST_F(SavePageTest, AnEmptyRecordingIsToldBeforeAnyNameIsAskedFor) {
    engine.bufferCount = 0;
    writeFile(file("song.mid"), "a song");
    SavePage &p = savePage();
    p.nameField->setText(file("song.mid"));
    dialogs.answers = {NW_IDYES};
    p.save();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "没有发现一个事件，还没有录音不能存储");
    EXPECT_TRUE(engine.actions().empty());
    EXPECT_EQ(readFile(file("song.mid")), "a song");
}

// The real engine records a take and writes it through the save page in both formats; the engine
// then reads each file back. The engine comes from a test installation, its clock driven by hand.
class FullSaveTest : public SavePageTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
        ASSERT_TRUE(library.load(install.enginePath()));
        ASSERT_TRUE(library.bind(program.engine));
        hostContext.receiver = &receiver;
        hostContext.dialogs = &dialogs;
        host = makeEngineHost(&hostContext);
        program.engine.host = &host;
        program.engine.call(MDRV_OPEN, -1);
        program.engine.call(MDRV_START_RECORDING);
        for (int note : {60, 64, 67}) {
            program.engine.sME1(0x90, note, 100);
            ASSERT_TRUE(install.advanceEngineClock(20));
            program.engine.sME1(0x80, note, 0);
        }
        program.engine.call(MDRV_STOP_BUFFER);
        events = program.engine.call(MDRV_GET_BUFFER_COUNT);
    }
    void TearDown() override {
        program.engine.call(MDRV_CLOSE_DEVICE);
        QCoreApplication::sendPostedEvents();
        program.engine = EngineBinding{};
        library.release();
    }

    TestInstallation install;
    EngineLibrary library;
    QObject receiver;
    EngineHostContext hostContext;
    NwHost host{};
    int events = 0;
};

TEST_F(FullSaveTest, ARecordedTakeSavesAsMidiAndAsTakeFile) {
    ASSERT_EQ(events, 6);
    writeFile(file("take.mid"), QByteArray(5000, 'z'));  // an older, longer file
    SavePage *p = &savePage();
    p->nameField->setText(file("take"));
    dialogs.answers = {NW_IDYES};
    p->save();
    const QByteArray midi = readFile(file("take.mid"));
    ASSERT_GE(midi.size(), 22);
    EXPECT_EQ(midi.left(4), "MThd");
    EXPECT_EQ(midi.mid(14, 4), "MTrk");
    EXPECT_FALSE(midi.contains('z')) << "the old file was emptied first";
    program.engine.call(MDRV_LOAD_SONG, 0, QFile::encodeName(file("take.mid")).constData());
    EXPECT_GT(program.engine.call(MDRV_GET_SONG_LENGTH), 0);

    p = &savePage();
    p->chooseTake();
    EXPECT_EQ(p->nameField->text(), file("take.tkb"));
    p->save();
    const QByteArray take = readFile(file("take.tkb"));
    ASSERT_EQ(take.size(), 10 + 7 * events);
    EXPECT_EQ(uint8_t(take[6]) | uint8_t(take[7]) << 8, 7 * events);
    const size_t boxesBefore = dialogs.boxes.size();
    program.engine.call(MDRV_LOAD_ACCOMP, 0, QFile::encodeName(file("take.tkb")).constData());
    EXPECT_EQ(dialogs.boxes.size(), boxesBefore) << "the engine reads it without complaint";
}

// Writes fail past `bytes` bytes, as on a full disk, for as long as it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(FullSaveTest, NoAnswerOrFailureTouchesTheFilesThatWereThere) {
    ASSERT_EQ(events, 6);
    const QByteArray song = "MThd an older song", other = "MThd another song";
    struct Case {
        const char *what;
        QString typed;
        std::deque<int32_t> answers;
        std::deque<QString> browsed;
        bool diskFull;
        bool emptyBuffer;
        QString lastBox;
    } cases[] = {
        {"No, then a bare name of an existing file, then No and cancel",
         file("old.mid"),
         {NW_IDNO, NW_IDNO},
         {file("other"), ""},
         false,
         false,
         file("other.mid") + "\n你指定的文件已经存在是否覆盖"},
        {"the write fails",
         file("old.mid"),
         {NW_IDYES},
         {},
         true,
         false,
         "不能写入文件,请检查文件夹是否存在、是否有写入权限或磁盘是否已满!"},
        {"a missing folder, then the browse dialog cancelled",
         file("gone/old.mid"),
         {},
         {""},
         false,
         false,
         "不能创建文件,没有找到文件夹!请再选一个\n请给予正确文件夹名"},
        {"an empty recording over an existing song",
         file("old.mid"),
         {NW_IDYES},
         {},
         false,
         true,
         "没有发现一个事件，还没有录音不能存储"},
    };
    for (const Case &c : cases) {
        writeFile(file("old.mid"), song);
        writeFile(file("other.mid"), other);
        if (c.emptyBuffer) program.engine.call(MDRV_CLEAR_BUFFER);
        dialogs.boxes.clear();
        dialogs.answers = c.answers;
        dialogs.fileAnswers.clear();
        for (const QString &name : c.browsed)
            dialogs.fileAnswers.push_back(QStringList{name});
        SavePage &p = savePage();
        p.nameField->setText(c.typed);
        {
            std::optional<FileSizeLimit> full;
            if (c.diskFull) full.emplace(16);
            p.save();
        }
        EXPECT_EQ(readFile(file("old.mid")), song) << c.what;
        EXPECT_EQ(readFile(file("other.mid")), other) << c.what;
        ASSERT_FALSE(dialogs.boxes.empty()) << c.what;
        EXPECT_EQ(dialogs.boxes.back().text, c.lastBox) << c.what;
        EXPECT_FALSE(closed()) << c.what;
        EXPECT_EQ(program.state.takesSaved, 0) << c.what;
        EXPECT_TRUE(QDir(dir.path()).entryList({"*.tmp*"}).isEmpty())
            << c.what << ": a temporary file was left";
    }
}

TEST_F(FullSaveTest, ASymlinkedTargetStaysALinkToTheNewFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("songs"));
    writeFile(file("songs/real.mid"), "old");
    ASSERT_TRUE(QFile::link(file("songs/real.mid"), file("link.mid")));
    SavePage &p = savePage();
    p.nameField->setText(file("link.mid"));
    dialogs.answers = {NW_IDYES};
    p.save();
    EXPECT_TRUE(QFileInfo(file("link.mid")).isSymLink());
    EXPECT_EQ(readFile(file("songs/real.mid")).left(4), "MThd");
    EXPECT_EQ(program.state.takesSaved, 1);
    EXPECT_TRUE(closed());
}

}  // namespace
}  // namespace piano::test
