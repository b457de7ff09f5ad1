#include "Freeware.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QUrl>

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
    makerLabel = AddLabel(QRect(124, 56, 249, 16), true);
    makerLabel->setText(QString::fromLatin1(MakerName));
    studioLabel = AddLabel(QRect(124, 72, 249, 16));
    mailCaption = AddLabel(QRect(124, 96, 64, 16));
    mailCaption->setText(QStringLiteral("E-Mail:"));
    homeCaption = AddLabel(QRect(124, 114, 64, 16));
    homeCaption->setText(QStringLiteral("Homepage:"));

    const QString mail = QString::fromLatin1(quarv::MailAddress);
    const QUrl home(QString::fromLatin1(quarv::HomepageUrl));
    MailLink = new HyperlinkLabel(this);
    MailLink->setObjectName(QStringLiteral("MailLink"));
    MailLink->setGeometry(190, 96, 191, 16);
    MailLink->setText(mail);
    MailLink->setUrl(QUrl(QStringLiteral("mailto:") + mail));
    HomeLink = new HyperlinkLabel(this);
    HomeLink->setObjectName(QStringLiteral("HomeLink"));
    HomeLink->setGeometry(190, 114, 191, 16);
    HomeLink->setText(home.host() + home.path());
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
    studioLabel->setText(tr("an independent games studio"));
    savelabel->setText(tr("Free software from Quarv Games, an independent games studio."));
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

QString TFreewareDlg::EnglishTerms() {
    return QStringLiteral(
        "Terms of use\n"
        "\n"
        "Quarv Tangram is free software. You may use it free of charge and without any time "
        "limit.\n"
        "\n"
        "The program is provided as it is, without any warranty, express or implied, including "
        "that of fitness for a particular purpose.\n"
        "\n"
        "Quarv Games accepts no liability for any damage or loss that arises from using the "
        "program or from being unable to use it.\n"
        "\n"
        "You may pass copies of the program on to others, as long as all of its files stay "
        "complete and unchanged.\n");
}

QString TFreewareDlg::GermanTerms() {
    return QStringLiteral(
        "Nutzungsbedingungen\n"
        "\n"
        "Quarv Tangram ist freie Software. Du darfst das Programm kostenlos und ohne zeitliche "
        "Begrenzung benutzen.\n"
        "\n"
        "Das Programm wird so überlassen, wie es ist, ohne jede ausdrückliche oder "
        "stillschweigende Gewährleistung, auch nicht für die Eignung zu einem bestimmten "
        "Zweck.\n"
        "\n"
        "Quarv Games haftet nicht für Schäden oder Verluste, die aus dem Gebrauch des Programms "
        "oder daraus entstehen, dass es nicht gebraucht werden kann.\n"
        "\n"
        "Du darfst Kopien des Programms an andere weitergeben, sofern alle seine Dateien "
        "vollständig und unverändert bleiben.\n");
}
