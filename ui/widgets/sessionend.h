// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The end of the desktop session as the program hears of it: SIGTERM (as at
// logout), SIGHUP (the terminal went away) and SIGINT (Ctrl+C). The signal
// handler only writes the signal's number into a socket; the event loop reads
// it and the game does its work there, outside the handler.
#pragma once

#include <QObject>
#include <array>

class QSocketNotifier;

class SessionEndSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object for the program.
    explicit SessionEndSignals(QObject* parent = nullptr);
    ~SessionEndSignals() override;

signals:
    // Once per signal that arrived, with its number.
    void received(int signal);

private:
    void Read();

    std::array<int, 2> sockets_{-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};
