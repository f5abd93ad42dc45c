#pragma once

#include <QColor>
#include <QString>

namespace dvk {

struct AppOptions;

// Colours, face and view flags the match screen draws with, taken from the options.
struct ScreenStyle {
    QString font_family = QStringLiteral("Arial");
    QColor background{255, 255, 255};
    QColor odd_background{255, 255, 255};
    QColor scored_text{0, 0, 0};
    QColor text{0, 0, 0};
    QColor header_background{201, 201, 201};
    QColor header_text{0, 0, 0};
    QColor last3number_text{128, 0, 0};
    QColor line{85, 85, 85};
    QColor separate{0, 0, 0};
    QColor ton_circle{160, 160, 160};
    QColor input_background{255, 255, 128};
    QColor input_text{0, 0, 0};
    QColor input_select_background{10, 36, 106};
    QColor input_select_text{255, 255, 255};
    bool throw_count = true;
    bool ton_circle_flag = true;
    bool separate_flag = true;
    bool scroll_bar = true;
};

// The score list's colours, face and view flags of `options`.
ScreenStyle screen_style_for(const AppOptions& options);

} // namespace dvk
