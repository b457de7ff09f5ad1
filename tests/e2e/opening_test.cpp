// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The opening animation on a real X server: its frames keep their times
// however long the work between them takes, it grows to the bounds it was
// last told, its last frame stays until the window is there to take its
// place, and the main window comes up only at its end.
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <vector>

#include "settings/placement.h"
#include "store.h"
#include "widgets/opening.h"
#include "widgets/openingtimes.h"
#include "widgets/placement.h"

namespace {

// The outline: the only top-level window on the screen.
QWidget* Outline() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

class OpeningTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(OpeningAnimation::Visible(), "needs an X server (QT_QPA_PLATFORM=xcb)");
    }

    // Frame k is due k - 1 steps after the first: a gap whose work overran
    // delays the next frame only, and the one after it comes on time.
    void framesKeepTheirTimes() {
        OpeningAnimation opening;
        QElapsedTimer clock;
        clock.start();
        opening.Start(QRect(100, 100, 400, 300));
        QCOMPARE(opening.FramesDrawn(), 1);
        QVERIFY(Outline() != nullptr);
        const QRect target(200, 150, 500, 320);
        std::vector<qint64> drawn{0};
        for (int frame = 2; frame <= opening::Frames; ++frame) {
            if (frame == 3) {
                QThread::msleep(2 * opening::StepMs + 8);  // work that overruns its gap
                opening.Retarget(target);
            }
            opening.NextFrame();
            QCOMPARE(opening.FramesDrawn(), frame);
            drawn.push_back(clock.elapsed());
            QVERIFY2(drawn.back() >= (frame - 1) * opening::StepMs - 1,
                     qPrintable(QStringLiteral("frame %1 at %2 ms").arg(frame).arg(drawn.back())));
        }
        // Frame 4 was overdue when frame 3 was drawn late, so it follows at
        // once, and frame 5 keeps its own time. (How soon after is the
        // machine's business; the waits chosen are the rule's.)
        using opening::MsToNextFrame;
        constexpr long long step = opening::StepMs;
        QCOMPARE(MsToNextFrame(1, 0), step);
        QCOMPARE(MsToNextFrame(2, step + 5), step - 5);
        QCOMPARE(MsToNextFrame(3, 3 * step + 8), 0LL);
        QCOMPARE(MsToNextFrame(4, 3 * step + 8), step - 8);
        // The last frame is the window's outer frame, three pixels wide and
        // open inside.
        QWidget* outline = Outline();
        QVERIFY(outline != nullptr);
        QCOMPARE(outline->geometry(), target);
        QVERIFY(outline->mask().contains(QPoint(1, 1)));
        QVERIFY(outline->mask().contains(QPoint(target.width() - 2, target.height() - 2)));
        QVERIFY(!outline->mask().contains(QPoint(3, 3)));
        QVERIFY(!outline->mask().contains(QPoint(target.width() / 2, target.height() / 2)));
        // Nothing waits for it: another frame is not to come.
        opening.NextFrame();
        QCOMPARE(opening.FramesDrawn(), opening::Frames);
    }

    // The last frame has had its time but the window is not made yet: it
    // stays, and gives way the moment the window can come.
    void lastFrameWaitsForTheWindow() {
        OpeningAnimation opening;
        opening.Start(QRect(100, 100, 400, 300));
        while (opening.FramesDrawn() < opening::Frames) {
            opening.NextFrame();
        }
        QTest::qWait(2 * opening::StepMs);
        QVERIFY(opening.Running());
        QCOMPARE(Outline()->geometry(), QRect(100, 100, 400, 300));
        bool done = false;
        opening.WhenDone([&done] { done = true; });
        QVERIFY(done);
        QVERIFY(!opening.Running());
        QCOMPARE(Outline(), nullptr);
    }

    // Told early, `done` runs one step after the last frame, not before; a
    // stopped animation never runs it and leaves nothing on the screen.
    void doneAtTheEndOnlyAndNeverAfterAStop() {
        {
            OpeningAnimation opening;
            QElapsedTimer clock;
            clock.start();
            opening.Start(QRect(100, 100, 400, 300));
            qint64 doneAt = -1;
            opening.WhenDone([&] { doneAt = clock.elapsed(); });
            QCOMPARE(doneAt, qint64(-1));
            QTRY_VERIFY_WITH_TIMEOUT(doneAt >= 0, 2000);
            QVERIFY2(doneAt >= opening::LengthMs - 1, qPrintable(QString::number(doneAt)));
            QCOMPARE(Outline(), nullptr);
        }
        OpeningAnimation opening;
        opening.Start(QRect(100, 100, 400, 300));
        bool done = false;
        opening.WhenDone([&done] { done = true; });
        opening.Stop();
        QVERIFY(!opening.Running());
        QCOMPARE(Outline(), nullptr);
        opening.NextFrame();  // returns at once
        QTest::qWait(opening::LengthMs + 2 * opening::StepMs);
        QVERIFY(!done);
    }

    // The start-up's road: the animation runs on the stored bounds before the
    // window exists, the window is placed and shown only at the end, where the
    // animation's last frame was.
    void theWindowComesAtTheEnd() {
        tangram::WindowPlacement stored;
        stored.normal = {120, 90, 120 + 500, 90 + 400};
        settings::WriteSettingString(settings::Common,
                                     QString::fromLatin1(WindowPlacer::SettingName),
                                     QString::fromStdString(tangram::FormatPlacement(stored)));
        const QSize design(638, 445), minimum(300, 200);
        QCOMPARE(ExpectedOuterBounds(design, minimum), QRect(120, 90, 500, 400));

        OpeningAnimation opening;
        opening.Start(ExpectedOuterBounds(design, minimum));
        opening.NextFrame();
        QWidget window;
        window.setMinimumSize(minimum);
        window.resize(design);
        auto* placer = new WindowPlacer(&window);
        bool shown = false;
        connect(placer, &WindowPlacer::shown, this, [&shown] { shown = true; });
        placer->Show(&opening);
        QVERIFY(!window.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(shown, 2000);
        QVERIFY(window.isVisible());
        QVERIFY(!opening.Running());
        // A bare X server puts no frame round the window.
        QCOMPARE(window.geometry(), QRect(120, 90, 500, 400));

        // Stored maximised, it grows to the screen's free area.
        stored.show = tangram::ShowCommand::Maximised;
        settings::WriteSettingString(settings::Common,
                                     QString::fromLatin1(WindowPlacer::SettingName),
                                     QString::fromStdString(tangram::FormatPlacement(stored)));
        QCOMPARE(ExpectedOuterBounds(design, minimum),
                 QGuiApplication::primaryScreen()->availableGeometry());
        // Nothing stored: the design size in the middle of the screen.
        settings::EraseSetting(settings::Common, QString::fromLatin1(WindowPlacer::SettingName));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(ExpectedOuterBounds(design, minimum),
                 QRect(QPoint(area.left() + (area.width() - design.width()) / 2,
                              area.top() + (area.height() - design.height()) / 2),
                       design));
    }
};

QTEST_MAIN(OpeningTest)
#include "opening_test.moc"
