#pragma once

#include "caller_settings.h"

#include <QObject>
#include <QStringList>
#include <QTextToSpeech>

namespace dvk::caller {

// The caller's voice: speaks phrases one after another through Qt's speech engine, Flite
// when it is installed.
class CallerVoice : public QObject {
    Q_OBJECT
public:
    explicit CallerVoice(QObject* parent = nullptr);
    // A voice of the speech engine named `engine`; one that is not installed gives no voice.
    explicit CallerVoice(const QString& engine, QObject* parent = nullptr);

    QString engine() const { return m_speech->engine(); }
    QStringList voices() const;
    QTextToSpeech::State state() const { return m_speech->state(); }
    QString errorString() const { return m_speech->errorString(); }
    // False when no speech engine could be loaded or it offers no voice: nothing can be said.
    bool hasVoice() const;

    void apply(const CallerSettings& settings);
    // Says the phrases after what is still to be said.
    void say(const QStringList& phrases);
    // Drops what is still to be said and stops speaking.
    void stop();

Q_SIGNALS:
    void stateChanged(QTextToSpeech::State state);

private:
    void speakNext();
    void changed(QTextToSpeech::State state);

    QTextToSpeech* m_speech;
    QStringList m_queue;
};

} // namespace dvk::caller
