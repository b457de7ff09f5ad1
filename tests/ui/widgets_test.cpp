// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The ticker and the hyperlink label.
#include <QDesktopServices>
#include <QSignalSpy>
#include <QtTest>

#include "widgets/hyperlink.h"
#include "widgets/ticker.h"

// Counts the addresses the desktop was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl&) { ++opened; }
};

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void tickerScrollsLeftAndWrapsRound() {
        Ticker ticker;
        ticker.resize(300, 17);
        ticker.setText(QStringLiteral("Quarv     "));
        const int band = ticker.fontMetrics().horizontalAdvance(ticker.text());
        // The text enters from the right edge.
        QImage before = ticker.grab().toImage();
        auto litColumns = [](const QImage& image) {
            QList<int> columns;
            for (int x = 0; x < image.width(); ++x) {
                for (int y = 0; y < image.height(); ++y) {
                    if ((image.pixel(x, y) & 0xFFFFFF) != 0) {
                        columns << x;
                        break;
                    }
                }
            }
            return columns;
        };
        QVERIFY(litColumns(before).isEmpty());
        for (int k = 0; k < 10; ++k) {
            ticker.step();
        }
        const QList<int> entered = litColumns(ticker.grab().toImage());
        QVERIFY(!entered.isEmpty());
        QVERIFY(entered.first() >= 290);
        // After many steps the offset stays within one band of the width, and
        // the line is never empty once the band has filled it.
        for (int k = 0; k < 5000; ++k) {
            ticker.step();
        }
        QVERIFY(ticker.offset() < band + ticker.width());
        QVERIFY(litColumns(ticker.grab().toImage()).size() > 50);
        // Its text is light yellow on black.
        const QImage after = ticker.grab().toImage();
        bool yellow = false;
        for (int x = 0; x < after.width() && !yellow; ++x) {
            for (int y = 0; y < after.height() && !yellow; ++y) {
                yellow = (after.pixel(x, y) & 0xFFFFFF) == 0xFFFF80;
            }
        }
        QVERIFY(yellow);
    }

    void tickerTellsOfClicks() {
        Ticker ticker;
        ticker.resize(300, 17);
        QSignalSpy clicks(&ticker, &Ticker::clicked);
        QTest::mouseClick(&ticker, Qt::LeftButton, {}, QPoint(50, 8));
        QCOMPARE(clicks.count(), 1);
        // A double click is one visit to the homepage, not two.
        QTest::mouseClick(&ticker, Qt::LeftButton, {}, QPoint(50, 8));
        QTest::mouseDClick(&ticker, Qt::LeftButton, {}, QPoint(50, 8));
        QCOMPARE(clicks.count(), 2);
        ticker.start();
        QVERIFY(ticker.isRunning());
        const int offset = ticker.offset();
        QTRY_VERIFY(ticker.offset() > offset);
    }

    void hyperlinkOpensOncePerClick() {
        // The desktop hands our own scheme to this test instead of a browser.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("quarv-test"), &catcher, "open");
        HyperlinkLabel label;
        label.setUrl(QUrl(QStringLiteral("quarv-test://homepage")));
        label.resize(200, 20);
        QSignalSpy activated(&label, &HyperlinkLabel::activated);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(activated.count(), 1);
        // A double click: click, then the second press and its release.
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(activated.count(), 2);
        // Clicks after it open the address again, one each.
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(activated.count(), 3);
        QCOMPARE(catcher.opened, 3);
        QDesktopServices::unsetUrlHandler(QStringLiteral("quarv-test"));
    }

    void hyperlinkWithoutAddressOpensNothing() {
        HyperlinkLabel label;
        QSignalSpy activated(&label, &HyperlinkLabel::activated);
        QVERIFY(!label.activate());
        QCOMPARE(activated.count(), 0);
        label.setUrl(QUrl(QStringLiteral("mailto:someone@example.org")));
        QCOMPARE(label.text(), QStringLiteral("someone@example.org"));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
