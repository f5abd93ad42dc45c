#include "caller_voice.h"

#include <QVoice>

namespace dvk::caller {
namespace {

QString preferred_engine() {
    const QString flite = QStringLiteral("flite");
    return QTextToSpeech::availableEngines().contains(flite) ? flite : QString();
}

} // namespace

CallerVoice::CallerVoice(QObject* parent) : CallerVoice(preferred_engine(), parent) {}

CallerVoice::CallerVoice(const QString& engine, QObject* parent)
    : QObject(parent), m_speech(new QTextToSpeech(engine, this)) {
    connect(m_speech, &QTextToSpeech::stateChanged, this, &CallerVoice::changed);
}

QStringList CallerVoice::voices() const {
    QStringList names;
    for (const QVoice& voice : m_speech->availableVoices()) {
        names << voice.name();
    }
    return names;
}

bool CallerVoice::hasVoice() const {
    return m_speech->state() != QTextToSpeech::Error && !m_speech->availableVoices().isEmpty();
}

void CallerVoice::apply(const CallerSettings& settings) {
    m_speech->setRate(settings.rate);
    for (const QVoice& voice : m_speech->availableVoices()) {
        if (voice.name() == settings.voice) {
            m_speech->setVoice(voice);
        }
    }
}

void CallerVoice::say(const QStringList& phrases) {
    m_queue << phrases;
    if (m_speech->state() == QTextToSpeech::Ready) {
        speakNext();
    }
}

void CallerVoice::stop() {
    m_queue.clear();
    m_speech->stop();
}

void CallerVoice::speakNext() {
    if (!m_queue.isEmpty()) {
        m_speech->say(m_queue.takeFirst());
    }
}

void CallerVoice::changed(QTextToSpeech::State state) {
    Q_EMIT stateChanged(state);
    if (state == QTextToSpeech::Ready) {
        speakNext();
    } else if (state == QTextToSpeech::Error) {
        // Without a working voice there is nothing to wait for.
        m_queue.clear();
    }
}

} // namespace dvk::caller
