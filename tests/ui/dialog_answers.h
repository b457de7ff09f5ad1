// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Answers the modal dialogs a test runs into, one after another, from a timer,
// and remembers which dialog came and what it showed.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace answers {

using Answer = std::function<void(QWidget* dialog)>;

inline Answer Click(const char* button) {
    return [button](QWidget* dialog) {
        auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
        QVERIFY2(b != nullptr && b->isVisible(), button);
        b->click();
    };
}

inline Answer Key(Qt::Key key) {
    return [key](QWidget* dialog) { QTest::keyClick(dialog, key); };
}

// The window's close box.
inline Answer CloseBox() {
    return [](QWidget* dialog) { dialog->close(); };
}

// One per test: two at once would race for the same dialog.
class DialogAnswers : public QObject {
public:
    // Each dialog that comes up is first looked at, then answered.
    void Expect(Answer answer, std::function<void(QWidget*)> look = {}) {
        queue_.push_back({std::move(look), std::move(answer)});
    }

    DialogAnswers() {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(5);
    }

    QStringList seen;  // object names, in order
    bool Done() const { return queue_.empty(); }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        seen << modal->objectName();
        if (queue_.empty()) {
            // An unexpected dialog fails the test but must not hang it.
            modal->close();
            return;
        }
        const Step step = std::move(queue_.front());
        queue_.pop_front();
        if (step.look) {
            step.look(modal);
        }
        step.answer(modal);
    }

    struct Step {
        std::function<void(QWidget*)> look;
        Answer answer;
    };
    std::deque<Step> queue_;
    QTimer timer_;
};

}  // namespace answers
