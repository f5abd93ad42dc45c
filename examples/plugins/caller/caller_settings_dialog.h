#pragma once

#include "caller_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;

namespace dvk::caller {

class CallerVoice;

// The caller's settings: on or off, each kind of announcement, the voice and its speed.
// "Try" speaks a sample with the voice and speed chosen.
class CallerSettingsDialog : public QDialog {
    Q_OBJECT
public:
    CallerSettingsDialog(const CallerSettings& settings, CallerVoice& voice,
                         QWidget* parent = nullptr);

    CallerSettings settings() const;

private:
    void tryVoice();

    CallerSettings m_settings;
    CallerVoice& m_voice;
    QCheckBox* m_enabled;
    QCheckBox* m_visits;
    QCheckBox* m_finishes;
    QCheckBox* m_legs;
    QCheckBox* m_results;
    QComboBox* m_voices;
    QSlider* m_rate;
};

} // namespace dvk::caller
