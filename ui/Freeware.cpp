// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Freeware.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QUrl>

#include "language.h"
#include "project.h"
#include "widgets/dialogframe.h"
#include "widgets/hyperlink.h"
#include "widgets/placement.h"

static void InitInfoResources() {
    Q_INIT_RESOURCE(info);
}

TFreewareDlg::TFreewareDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), mainWindow_(mainWindow) {
    InitInfoResources();
    SetUpFixedDialog(this, "FreewareDlg", ClientSize, false);

    AddIconPicture(this, QRect(12, 12, 37, 37));
    AddPicture(QRect(12, 52, 101, 77), ":/info/square.svg", QSize(100, 75));
    AddPicture(QRect(12, 140, 121, 69), ":/info/tans.svg", QSize(119, 68));

    progname = AddLabel(QRect(60, 12, 313, 22), true);
    progname->setObjectName(QStringLiteral("progname"));
    progname->setFont(DialogFont(18, true));
    makerLabel = AddLabel(QRect(124, 52, 249, 15), true);
    makerLabel->setText(QString::fromLatin1(MakerName));
    studioLabel = AddLabel(QRect(124, 67, 249, 15));
    // Each address on a line of its own under its caption: the whole width
    // beside the picture, as neither fits after its caption.
    mailCaption = AddLabel(QRect(124, 84, 249, 14));
    mailCaption->setText(QStringLiteral("E-Mail:"));
    homeCaption = AddLabel(QRect(124, 113, 249, 14));
    homeCaption->setText(QStringLiteral("Homepage:"));

    const QString mail = QString::fromLatin1(quarv::MailAddress);
    const QUrl home(QString::fromLatin1(quarv::HomepageUrl));
    MailLink = new HyperlinkLabel(this);
    MailLink->setObjectName(QStringLiteral("MailLink"));
    MailLink->setGeometry(124, 98, 257, 15);
    MailLink->setText(mail);
    MailLink->setUrl(QUrl(QStringLiteral("mailto:") + mail));
    HomeLink = new HyperlinkLabel(this);
    HomeLink->setObjectName(QStringLiteral("HomeLink"));
    HomeLink->setGeometry(124, 127, 257, 15);
    QString shownHome = home.host() + home.path();
    if (shownHome.endsWith(u'/')) {
        shownHome.chop(1);
    }
    HomeLink->setText(shownHome);
    HomeLink->setUrl(home);

    savelabel = AddLabel(QRect(144, 144, 225, 29));
    savelabel->setObjectName(QStringLiteral("savelabel"));
    savelabel->setWordWrap(true);
    savelabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QRect termsBox(16, 216, 353, 201);
    Memodeu = AddReadingBox(this, "Memodeu", termsBox, GermanTerms());
    Memoeng = AddReadingBox(this, "Memoeng", termsBox, EnglishTerms());

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(152, 438, 77, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });
}

QLabel* TFreewareDlg::AddLabel(const QRect& geometry, bool bold) {
    auto* label = new QLabel(this);
    label->setGeometry(geometry);
    label->setFont(DialogFont(11, bold));
    return label;
}

QLabel* TFreewareDlg::AddPicture(const QRect& control, const char* resource, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(resource));
    QPainter painter(&picture);
    renderer.render(&painter);
    auto* label = new QLabel(this);
    label->setGeometry(control);
    label->setFrameStyle(QFrame::Box | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(picture);
    return label;
}

void TFreewareDlg::SetTexts() {
    setWindowTitle(QString::fromLatin1(MakerName) + QStringLiteral(" - Freeware-Info"));
    progname->setText(QStringLiteral("Quarv Tangram V2.9"));
    const Language say(tongue_);
    studioLabel->setText(say.translate("TFreewareDlg", "an independent games studio"));
    savelabel->setText(say.translate(
        "TFreewareDlg", "Free software from Quarv Games, an independent games studio."));
}

void TFreewareDlg::showEvent(QShowEvent* event) {
    CentreOver(this, mainWindow_);
    Memodeu->hide();
    Memoeng->hide();
    SetTexts();
    (tongue_ == 1 ? Memodeu : Memoeng)->show();
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

namespace {

// The terms sum up the GNU General Public License, version 3 or later, under
// which the game is free software; the licence itself decides. %1 is where the
// source code is. The German terms are their translation.
const char* const Terms = QT_TRANSLATE_NOOP(
    "TFreewareDlg",
    "Terms of use\n"
    "\n"
    "Quarv Tangram is free software. You may use it free of charge and without any "
    "time limit.\n"
    "\n"
    "The program is provided as it is, without any warranty, express or implied, "
    "including that of merchantability or fitness for a particular purpose.\n"
    "\n"
    "Quarv Games accepts no liability for any damage or loss that arises from using "
    "the program or from being unable to use it, unless the law requires it.\n"
    "\n"
    "You may pass copies of the program on to others, complete and unchanged: with "
    "all of its files, these terms and the licence.\n"
    "\n"
    "You may also change the program and pass on changed versions, under the terms of "
    "the GNU General Public License as published by the Free Software Foundation, "
    "version 3 or (at your option) any later version. Whoever gets the program from "
    "you must be able to get its source code too, as the licence describes. The "
    "source code: %1\n"
    "\n"
    "The full text of the licence is in the file LICENSE of the source code and at "
    "https://www.gnu.org/licenses/gpl-3.0.html. These terms sum it up; where they "
    "differ, the licence applies.\n");

}  // namespace

QString TFreewareDlg::EnglishTerms() {
    return QString::fromUtf8(Terms).arg(QString::fromLatin1(quarv::SourceUrl));
}

QString TFreewareDlg::GermanTerms() {
    return Language(1).translate("TFreewareDlg", Terms).arg(QString::fromLatin1(quarv::SourceUrl));
}
