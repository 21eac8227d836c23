#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "qt_translations.h"

// The buttons Qt draws itself read Chinese even on a system whose locale is English.
TEST(QtTranslations, MessageBoxButtonsAreChineseWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTranslator *translator = installChineseQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_zh_CN is not installed";

    QMessageBox box(QMessageBox::Question, "Piano", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("否")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QString::fromUtf8("取消")));

    qApp->removeTranslator(translator);
    delete translator;
    QLocale::setDefault(QLocale::system());
}
