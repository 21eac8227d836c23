#include "bitmap_catalog.h"
#include "shipped_images.h"

#include <gtest/gtest.h>
#include <QFile>

using bitmap_catalog::Library;

TEST(SkinLibraries, HoldEveryBitmapByItsExactNameAtItsDrawnSize) {
    for (const auto &entry : bitmap_catalog::Entries()) {
        const QString name = QString::fromStdString(entry.name);
        const QString path = (entry.library == Library::Skin ? ":/skin/" : ":/default/") + name;
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        const QImage packed(path);
        ASSERT_FALSE(packed.isNull()) << path.toStdString() << " is not a readable bitmap";
        EXPECT_EQ(packed.size(), entry.render().size()) << path.toStdString();
    }
}

TEST(SkinLibraries, NamesAreCaseSensitiveAndUnknownNamesAreMissing) {
    EXPECT_TRUE(SkinImage("B0").width() > 0);
    EXPECT_TRUE(SkinImage("b0").isNull());
    EXPECT_TRUE(SkinImage("BEIFENB13").isNull());  // defaults live only in the default library
    EXPECT_TRUE(DefaultImage("B0").isNull());
}

TEST(SkinLibraries, EveryNameTheWindowUsesIsListed) {
    // The names the main window, the panel and the dialogs load, written out independently of the table.
    std::vector<std::string> skin = {"B0", "B5", "B27", "B28", "B30", "B31", "B37", "B38", "B39", "Flig"};
    for (int n : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22, 23, 29, 32, 33, 34, 35, 36})
        skin.push_back("B" + std::to_string(n));
    std::vector<std::string> defaults = {"Flig"};
    for (int n = 1; n <= 36; ++n)
        defaults.push_back("BEIFENB" + std::to_string(n));
    for (const auto &name : skin)
        EXPECT_FALSE(SkinImage(QString::fromStdString(name)).isNull()) << name;
    for (const auto &name : defaults)
        EXPECT_FALSE(DefaultImage(QString::fromStdString(name)).isNull()) << name;
}

TEST(SkinLibraries, ShowEachLayoutAtItsWindowSize) {
    EXPECT_EQ(SkinImage("B0").size(), QSize(450, 210));
    EXPECT_EQ(DefaultImage("BEIFENB15").size(), QSize(675, 315));
    EXPECT_EQ(SkinImage("B27").size(), QSize(108, 22));
    EXPECT_EQ(SkinImage("B37").size(), QSize(96, 17));
    // Button pictures: three faces side by side, each the button's size.
    EXPECT_EQ(SkinImage("B9").size(), QSize(3 * 28, 22));
    EXPECT_EQ(DefaultImage("BEIFENB18").size(), QSize(3 * 42, 33));
    EXPECT_EQ(SkinImage("B16").size(), QSize(3 * 27, 15));
    EXPECT_EQ(DefaultImage("BEIFENB25").size(), QSize(3 * 39, 21));
}
