#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <thread>

#include "dialog_fixture.h"
#include "engine_host.h"
#include "save_page.h"

namespace piano::test {
namespace {

using Calls = std::vector<EngineCallRecord>;

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
    dialogs.fileAnswers = {"/m/song.MID", "/m/t.tkb", ""};
    EXPECT_TRUE(p.browse());
    EXPECT_EQ(dialogs.filters.back(), "标准MIDI文件 (*.mid)|*.MID");
    EXPECT_EQ(p.nameField->text(), "/m/song.MID.mid");
    p.chooseTake();
    EXPECT_TRUE(p.browse());
    EXPECT_EQ(dialogs.filters.back(), "伴奏文件 (*.tkb)|*.TKB");
    EXPECT_EQ(p.nameField->text(), "/m/t.tkb");
    EXPECT_FALSE(p.browse());
    EXPECT_EQ(p.nameField->text(), "/m/t.tkb");
}

TEST_F(SavePageTest, AnUpperCaseExtensionGetsTheLowerCaseOneAppended) {
    SavePage &p = savePage();
    p.nameField->setText(file("song.MID"));
    p.save();
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("song.MID.mid")}}));
    EXPECT_TRUE(QFile::exists(file("song.MID.mid")));
    EXPECT_TRUE(closed());
}

TEST_F(SavePageTest, OverwriteYesEmptiesTheFileBeforeTheEngineWrites) {
    writeFile(file("old.tkb"), "old contents");
    SavePage &p = savePage();
    p.chooseTake();
    p.nameField->setText(file("old.tkb"));
    dialogs.answers = {NW_IDYES};
    p.save();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, file("old.tkb"));
    EXPECT_EQ(dialogs.boxes[0].text, "你指定的文件已经存在是否覆盖");
    EXPECT_EQ(readFile(file("old.tkb")), "");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_TKB, 0, path("old.tkb")}}));
}

TEST_F(SavePageTest, OverwriteNoThenAnotherNameSavesThere) {
    writeFile(file("old.mid"), "keep");
    writeFile(file("other.mid"), "stale");
    SavePage &p = savePage();
    p.nameField->setText(file("old.mid"));
    dialogs.answers = {NW_IDNO};
    dialogs.fileAnswers = {file("other")};
    p.save();
    EXPECT_EQ(readFile(file("old.mid")), "keep");
    EXPECT_EQ(readFile(file("other.mid")), "");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("other.mid")}}));
}

TEST_F(SavePageTest, OverwriteNoThenCancelKeepsTheFileAndSavesNothing) {
    writeFile(file("old.mid"), "keep");
    SavePage &p = savePage();
    p.nameField->setText(file("old.mid"));
    dialogs.answers = {NW_IDNO};
    dialogs.fileAnswers = {""};
    p.save();
    EXPECT_EQ(readFile(file("old.mid")), "keep");
    EXPECT_TRUE(engine.actions().empty());
    EXPECT_FALSE(closed());
}

TEST_F(SavePageTest, MissingFolderOrEmptyNameWarnsAndBrowses) {
    SavePage &p = savePage();
    p.nameField->setText(file("nofolder/x.mid"));
    dialogs.fileAnswers = {file("found.mid")};
    p.save();
    ASSERT_GE(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Not Path");
    EXPECT_EQ(dialogs.boxes[0].text, "不能创建文件,没有找到文件夹!请再选一个\n请给予正确文件夹名");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("found.mid")}}));

    dialogs.boxes.clear();
    engine.calls.clear();
    SavePage &q = savePage();
    q.nameField->setText("");
    dialogs.fileAnswers = {file("named.mid")};
    q.save();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "文件名错误");
    EXPECT_EQ(dialogs.boxes[0].text, "不能创建文件,文件名为空!请再选一个");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SAVE_BUFFER_MIDI, 0, path("named.mid")}}));
}

TEST_F(SavePageTest, ANameStillInvalidAfterBrowsingStopsTheSaveAndSaysWhy) {
    for (const QString &name : {QString(), file("nofolder/x.mid")}) {
        dialogs.boxes.clear();
        SavePage &p = savePage();
        p.nameField->setText(name);
        dialogs.fileAnswers = {""};
        p.save();
        ASSERT_EQ(dialogs.boxes.size(), 2u) << name.toStdString();
        EXPECT_EQ(dialogs.boxes[1].text, "文件没有保存:文件名为空或文件夹不存在!");
        EXPECT_TRUE(engine.actions().empty());
        EXPECT_FALSE(QDir(file("nofolder")).exists());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Piano"}) << "nothing created";
        EXPECT_FALSE(closed());
    }
}

// The real engine records a take and writes it through the save page in both formats; the engine
// then reads each file back.
class FullSaveTest : public SavePageTest {
  protected:
    void SetUp() override {
        // The engine's device writes a text capture: no sound card needed.
        qputenv("NOTEWIRE_CAPTURE", QFile::encodeName(file("capture.txt")));
        ASSERT_TRUE(library.load(NOTEWIRE_LIBRARY_PATH));
        ASSERT_TRUE(library.bind(program.engine));
        hostContext.receiver = &receiver;
        hostContext.dialogs = &dialogs;
        host = makeEngineHost(&hostContext);
        program.engine.host = &host;
        program.engine.call(MDRV_OPEN, -1);
        program.engine.call(MDRV_START_RECORDING);
        for (int note : {60, 64, 67}) {
            program.engine.sME1(0x90, note, 100);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
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

}  // namespace
}  // namespace piano::test
