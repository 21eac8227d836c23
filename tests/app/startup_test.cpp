#include <gtest/gtest.h>
#include <QFile>
#include <QListWidget>

#include "app_fixture.h"
#include "skin_fixture.h"
#include "startup.h"

namespace {

QStringList settingLines(const QString &text) {
    QStringList lines;
    for (const QString &line : text.split('\n'))
        if (!line.isEmpty() && !line.startsWith('[')) lines << line;
    lines.sort();
    return lines;
}

}  // namespace

TEST(StartUp, FirstRunWithoutSettingsFileUsesDefaultsAndShutdownWritesTheRest) {
    Installation installation;
    {
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        // Only what the skin load and the plain-picture option write exists after start-up.
        EXPECT_EQ(settingLines(installation.settingsText()), QStringList({"ButtonFlat=0", "PicFlat=1"}));
        EXPECT_EQ(run.window().pos(), QPoint(200, 200));
        EXPECT_EQ(run.window().size(), QSize(450, 210));
        EXPECT_EQ(run.window().windowTitle(), "Piano");
        for (Gauge *gauge : run.controls().controllerGauges)
            EXPECT_EQ(gauge->progress(), 8);
        EXPECT_EQ(run.program().state.settings.deviceId, -1);
        EXPECT_EQ(run.program().state.playState, PlayIdle);
        EXPECT_TRUE(run.dialogs.boxes.empty());
        EXPECT_EQ(installation.captureEvents(), QStringList({"open -1"}));
        EXPECT_TRUE(QFile::exists(installation.path("Files")));
        EXPECT_TRUE(QFile::exists(installation.path("TkbFile")));
        run.show();
        run.window().shutdown();
    }
    EXPECT_EQ(installation.captureEvents().last(), "close");
    const QString text = installation.settingsText();
    for (const char *line :
         {"Left=200", "Top=200", "Button1=8", "Button7=8", "inx1=1", "CortrorButton=1", "Volume=8",
          "Control5=16", "Control6=24", "ControlCode=7", "SavePlay=0", "SaveTkb=0", "MaxMin=0"})
        EXPECT_TRUE(text.contains(QString(line) + "\n")) << line;
}

TEST(StartUp, StoredValuesAreNormalisedPassedToTheEngineAndWrittenBack) {
    Installation installation;
    installation.writeSettings("[Set]\nSavePlay=5\nControlCode=300\nDrviveID=0\n[Piano]\nButton2=3\n");
    {
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        EXPECT_TRUE(run.program().state.settings.savePlay);
        // The accompaniment controller is one byte: 300 arrives as 44.
        EXPECT_TRUE(run.engine.received(MDRV_SET_ACCOMP_CONTROLLER, 44));
        EXPECT_TRUE(run.engine.received(MDRV_OPEN, 0));
        EXPECT_EQ(run.controls().controllerGauges[1]->progress(), 3);
        run.show();
        run.window().shutdown();
    }
    const QString text = installation.settingsText();
    EXPECT_TRUE(text.contains("SavePlay=1\n"));
    EXPECT_TRUE(text.contains("ControlCode=44\n"));
    EXPECT_TRUE(text.contains("Button2=3\n"));
}

TEST(StartUp, SongAndAccompanimentListsComeFromTheirFiles) {
    Installation installation;
    QStringList songs;
    for (int i = 0; i < 105; ++i)
        songs << QString("/music/song%1.mid").arg(i);
    QFile files(installation.path("Files"));
    files.open(QIODevice::WriteOnly);
    files.write((songs.join('\n') + '\n').toUtf8());
    files.close();
    QFile tkb(installation.path("TkbFile"));
    tkb.open(QIODevice::WriteOnly);
    tkb.write("/d/a.tkb\n/d/b.tkb\n");
    tkb.close();

    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    // At most a hundred songs fit the list; rows show file names, the paths are kept beside them.
    ASSERT_EQ(run.controls().songList->count(), 100);
    EXPECT_EQ(run.controls().songList->item(3)->text(), "song3.mid");
    EXPECT_EQ(run.program().state.songPaths.value(99), "/music/song99.mid");
    EXPECT_EQ(run.controls().songList->currentRow(), -1);
    EXPECT_EQ(run.controls().accompList->count(), 2);
    EXPECT_EQ(run.controls().accompList->currentRow(), 0);
    run.window().shutdown();
}

TEST(StartUp, ReplacementSkinLibraryIsUsedOnlyWhenItLoads) {
    struct Case {
        const char *name;
        bool validLibrary;
        int expectedSalt;
    } cases[] = {{"valid replacement", true, 5}, {"not a library", false, 0}};
    for (const Case &c : cases) {
        Installation installation;
        const QString replacement = installation.path("other.skn");
        if (c.validLibrary) {
            ASSERT_TRUE(installation.writeSkin("other.skn", {}, 5));
        } else {
            SkinFixture::writeBitmap(replacement, QSize(4, 4), Qt::red);
        }
        installation.writeSettings("[Directory]\nRESDPath=" + replacement + "\n");
        RunningWindow run(installation);
        ASSERT_TRUE(run.start()) << c.name;
        EXPECT_EQ(SkinFixture::colourAt(run.controls().background->picture()),
                  SkinFixture::colourOf("B0", c.expectedSalt))
            << c.name;
        run.window().shutdown();
    }
}

TEST(StartUp, ADefaultPicturesReplacementThatHoldsNoneFallsBackToTheShippedOnes) {
    for (const bool isLibrary : {false, true}) {  // a plain picture; a skin without the default pictures
        Installation installation;
        const QString replacement = installation.path("other.dat");
        if (isLibrary)
            ASSERT_TRUE(installation.writeSkin("other.dat", {}, 5));
        else
            SkinFixture::writeBitmap(replacement, QSize(4, 4), Qt::red);
        installation.writeSettings("[Directory]\nRESDPathMax=" + replacement + "\n");
        RunningWindow run(installation);
        ASSERT_TRUE(run.start()) << isLibrary;
        EXPECT_TRUE(run.program().defaultLibrary.holds("BEIFENB13")) << isLibrary;
        run.window().shutdown();
    }
}

TEST(StartUp, AMissingLibraryEndsTheProgramWithoutWritingAnythingButSaysWhy) {
    // The tests' stderr is no terminal, as for a start from the desktop's menu: a message box says why.
    for (const char *missing : {"BeiFen.dat", "resource.skn", "libnotewire.so"}) {
        Installation installation;
        QFile::remove(installation.path(missing));
        const QStringList before = installation.filesInDir();
        RunningWindow run(installation);
        EXPECT_FALSE(run.start()) << missing;
        ASSERT_EQ(run.dialogs.boxes.size(), 1u) << missing;
        EXPECT_TRUE(run.dialogs.boxes[0].text.contains(installation.path(missing))) << missing;
        EXPECT_EQ(installation.filesInDir(), before) << missing;
        EXPECT_TRUE(installation.captureEvents().isEmpty()) << missing;
    }
    Installation installation;
    QDir(installation.dir()).removeRecursively();  // the recorded folder was removed
    RunningWindow run(installation);
    EXPECT_FALSE(run.start());
    ASSERT_EQ(run.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(run.dialogs.boxes[0].text.contains("不存在"));
    EXPECT_FALSE(QDir(installation.dir()).exists()) << "nothing is created in its place";
}

TEST(StartUp, AnEngineFileThatIsNotALibraryEndsTheProgramQuietly) {
    Installation installation;
    QFile::remove(installation.path("libnotewire.so"));
    SkinFixture::writeBitmap(installation.path("libnotewire.so"), QSize(2, 2), Qt::red);
    RunningWindow run(installation);
    EXPECT_FALSE(run.start());
    EXPECT_FALSE(QFile::exists(installation.path("Piano")));
}

TEST(StartUp, AMissingSkinBitmapReportsMissingPermissionAndEnds) {
    Installation installation;
    QStringList incomplete = SkinFixture::skinNames();
    incomplete.removeAll("B9");
    SkinFixture::writeLibrary(installation.dir(), "resource.skn", incomplete);
    RunningWindow run(installation);
    EXPECT_FALSE(run.start());
    ASSERT_EQ(run.dialogs.boxes.size(), 1u);
    EXPECT_EQ(run.dialogs.boxes[0].text, QString::fromUtf8(Startup::kNoPermissionMessage));
    EXPECT_TRUE(installation.captureEvents().isEmpty());
}

TEST(StartUp, MissingRegistryValueSaysNotInstalledAndWritesNothing) {
    Installation installation;
    installation.removeRegistryValue();
    const QStringList before = installation.filesInDir();
    RunningWindow run(installation);
    EXPECT_FALSE(run.start());
    ASSERT_EQ(run.dialogs.boxes.size(), 1u);
    EXPECT_EQ(run.dialogs.boxes[0].text, QString::fromUtf8(Startup::kNotInstalledMessage));
    EXPECT_EQ(installation.filesInDir(), before);
}

TEST(ClosePrompt, CloseButtonWithAnEmptyBufferClosesWithoutAsking) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    run.controls().closeButton->click();
    EXPECT_TRUE(run.dialogs.boxes.empty());
    EXPECT_FALSE(run.window().isVisible());
    run.window().shutdown();
}

TEST(ClosePrompt, ANonEmptyBufferAsksWhetherToSave) {
    struct Case {
        int32_t answer;
        bool savedOnThePage;
        bool closes;
        bool opensSavePage;
        bool bufferCleared;
    } cases[] = {
        {DialogService::kCancel, false, false, false, false},
        {NW_IDYES, true, true, true, false},
        {NW_IDYES, false, false, true, false},  // the save page left without saving: the take stays
        {NW_IDNO, false, true, false, true},
    };
    for (const Case &c : cases) {
        Installation installation;
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        Program &program = run.program();
        program.engine.call(MDRV_START_RECORDING);
        program.engine.sME1(0x90, 60, 100);
        ASSERT_GT(program.engine.call(MDRV_GET_BUFFER_COUNT), 0);

        std::vector<int> opened;  // pages requested
        program.hooks.openFunctionDialog = [&](int page, bool modal) {
            EXPECT_TRUE(modal);
            opened.push_back(page);
            if (c.savedOnThePage) ++program.state.takesSaved;
        };
        run.dialogs.answers = {c.answer};

        EXPECT_EQ(Startup::askAboutUnsavedTake(program), c.closes) << c.answer;
        ASSERT_EQ(run.dialogs.boxes.size(), 1u);
        EXPECT_EQ(run.dialogs.boxes[0].text, QString::fromUtf8(Startup::kBufferNotSavedMessage));
        EXPECT_EQ(run.dialogs.boxes[0].caption, QStringLiteral("新建"));
        EXPECT_EQ(opened.size(), c.opensSavePage ? 1u : 0u);
        if (c.opensSavePage) {
            EXPECT_EQ(opened[0], 1);
        }
        EXPECT_EQ(program.engine.call(MDRV_GET_BUFFER_COUNT) == 0, c.bufferCleared) << c.answer;
        run.window().shutdown();
    }
}
