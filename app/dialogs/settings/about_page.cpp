#include "about_page.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_font.h"
#include "help_page.h"
#include "program.h"

const char *const AboutPage::kVersionLine = "SonviraV2.20(TM)版";

namespace {

// The about picture of the skin, drawn twice its size; empty when the skin has none.
QPixmap aboutPicture(const Program &program) {
    if (!program.skinLibrary.holds("B37")) return QPixmap();
    const QPixmap picture = program.skinLibrary.bitmap("B37");
    return picture.scaled(picture.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation);
}

}  // namespace

AboutPage::AboutPage(Program &program, QWidget *parent) : QWidget(parent) {
    auto *picture = new QLabel(this);
    picture->setPixmap(aboutPicture(program));
    picture->setAlignment(Qt::AlignCenter);

    versionLabel_ = new QLabel(QString::fromUtf8(kVersionLine), this);
    versionLabel_->setObjectName("versionLine");
    versionLabel_->setAlignment(Qt::AlignCenter);
    QFont font = DialogFont(12);
    font.setBold(true);
    versionLabel_->setFont(font);

    auto *blurb = new QLabel(
        QStringLiteral("电子琴 Piano：用电脑键盘和鼠标演奏，\n播放 MIDI 歌曲，录音并保存。"), this);
    blurb->setAlignment(Qt::AlignCenter);

    helpButton_ = new QPushButton(QStringLiteral("帮助"), this);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(picture);
    layout->addSpacing(12);
    layout->addWidget(versionLabel_);
    layout->addWidget(blurb);
    layout->addStretch();
    layout->addWidget(helpButton_, 0, Qt::AlignHCenter);

    connect(helpButton_, &QPushButton::clicked, this, [&program] { HelpPage::open(program); });
}
