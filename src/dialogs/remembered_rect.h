#pragma once

#include "settings/app_options.h"

#include <QObject>

class QWidget;

namespace dvk {

// The position and outer size a resizable dialog keeps in the options between openings. It
// puts the dialog at the stored rectangle (kept on the screen; one without a positive size is
// not used, and the dialog is centred over its owner instead) and records the rectangle each
// time the user moves or sizes the dialog while it is shown, neither minimised nor maximised.
class RememberedRect : public QObject {
public:
    RememberedRect(QWidget* dialog, WindowRect& stored);

    // Places the dialog; call before it is shown, once it has its designed size.
    void restore();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void record();

    QWidget* m_dialog;
    WindowRect& m_stored;
};

} // namespace dvk
