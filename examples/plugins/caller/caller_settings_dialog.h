#pragma once

#include "caller_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace dvk::caller {

class CallerVoice;

// The caller's settings: on or off, each kind of announcement, the voice and its speed.
// "Try" speaks a sample with the voice and speed chosen. Without a voice to speak with, the
// dialog says which package brings one, and so does "Try".
class CallerSettingsDialog : public QDialog {
    Q_OBJECT
public:
    CallerSettingsDialog(const CallerSettings& settings, CallerVoice& voice,
                         QWidget* parent = nullptr);

    CallerSettings settings() const;

    // What the dialog says when there is no voice.
    static QString noVoiceText();

private:
    void tryVoice();
    void showVoiceState();

    CallerSettings m_settings;
    CallerVoice& m_voice;
    QCheckBox* m_enabled;
    QCheckBox* m_visits;
    QCheckBox* m_finishes;
    QCheckBox* m_legs;
    QCheckBox* m_results;
    QComboBox* m_voices;
    QSlider* m_rate;
    QLabel* m_no_voice;
};

} // namespace dvk::caller
