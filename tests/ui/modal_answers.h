// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Answers the modal dialogs that a test's actions open, in order, and keeps
// what each one showed. Without a prepared answer a dialog is confirmed: Yes
// or OK for a message box, result 6 for the game's own dialogs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace fixture {

struct SeenDialog {
    QString type;  // the class name
    QString title;
    QString text;  // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalAnswers {
public:
    using Answer = std::function<void(QDialog*)>;

    ModalAnswers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }

    // The next dialog gets this answer.
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    // Clicks a message box's button.
    void ThenButton(QMessageBox::StandardButton button) {
        Then([button](QDialog* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d); box && box->button(button)) {
                box->button(button)->click();
            } else {
                d->done(button == QMessageBox::Yes ? 6 : 7);
            }
        });
    }
    void ThenResult(int result) {
        Then([result](QDialog* d) { d->done(result); });
    }

    const QList<SeenDialog>& Seen() const { return seen_; }
    // The texts of the message boxes only.
    QStringList Messages() const {
        QStringList messages;
        for (const SeenDialog& d : seen_) {
            if (d.type == QLatin1String("QMessageBox")) {
                messages << d.text;
            }
        }
        return messages;
    }
    int Pending() const { return int(answers_.size()); }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        SeenDialog seen{QString::fromLatin1(dialog->metaObject()->className()),
                        dialog->windowTitle(),
                        {},
                        QMessageBox::NoIcon};
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            seen.text = box->text();
            seen.icon = box->icon();
        }
        seen_ << seen;
        if (!answers_.isEmpty()) {
            answers_.takeFirst()(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        } else {
            dialog->done(6);
        }
    }

    QTimer timer_;
    QList<Answer> answers_;
    QList<SeenDialog> seen_;
};

}  // namespace fixture
