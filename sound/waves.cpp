// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "waves.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

static void InitSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace sound {

namespace {

constexpr std::array<const char*, EffectCount> Resources{
    ":/sounds/1-pickup.wav", ":/sounds/2-putdown.wav", ":/sounds/3-turn.wav",
    ":/sounds/4-move.wav",   ":/sounds/5-solved.wav",  ":/sounds/6-refused.wav",
};

}  // namespace

const char* WaveResource(int item) {
    return item >= 0 && item < EffectCount ? Resources[item] : nullptr;
}

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {
    InitSoundResources();
    for (int item = 0; item < EffectCount; ++item) {
        auto* wave = new QSoundEffect(this);
        wave->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(Resources[item])));
        waves_[item] = wave;
    }
}

// Qt's wave cache waits at program exit for its loader, which in turn waits
// for the cache: a wave still loading then would hang the exit. So the waves
// are given a moment to finish loading first.
WavePlayer::~WavePlayer() {
    const QDeadlineTimer deadline(2000);
    while (!AllLoaded() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
}

bool WavePlayer::AllLoaded() const {
    for (const QSoundEffect* wave : waves_) {
        if (wave->status() == QSoundEffect::Loading || wave->status() == QSoundEffect::Null) {
            return false;
        }
    }
    return true;
}

void WavePlayer::Stop() {
    for (QSoundEffect* wave : waves_) {
        if (wave->isPlaying()) {
            wave->stop();
        }
    }
}

void WavePlayer::Play(int item) {
    if (item < 0 || item >= EffectCount) {
        return;
    }
    // A wave that could not be loaded, or a system without sound output,
    // simply stays silent.
    QSoundEffect* wave = waves_[item];
    if (wave->status() != QSoundEffect::Error) {
        wave->play();
    }
}

}  // namespace sound
