// The ticker and the hyperlink label.
#include <QSignalSpy>
#include <QtTest>

#include "widgets/hyperlink.h"
#include "widgets/ticker.h"

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

    void hyperlinkWithoutAddressOpensNothing() {
        HyperlinkLabel label;
        QSignalSpy activated(&label, &HyperlinkLabel::activated);
        QVERIFY(!label.activate());
        QCOMPARE(activated.count(), 0);
        label.setUrl(QUrl(QStringLiteral("mailto:tangram@quarv-games.example")));
        QCOMPARE(label.text(), QStringLiteral("tangram@quarv-games.example"));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
