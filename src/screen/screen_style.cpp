#include "screen/screen_style.h"

#include "screen/colors.h"

namespace dvk {

ScreenStyle screen_style_for(const AppOptions& o) {
    ScreenStyle style;
    style.font_family = QString::fromStdString(o.font_name);
    style.background = option_color(o, ColorItem::background);
    style.odd_background = option_color(o, ColorItem::odd_background);
    style.scored_text = option_color(o, ColorItem::scored_text);
    style.text = option_color(o, ColorItem::text);
    style.header_background = option_color(o, ColorItem::header_background);
    style.header_text = option_color(o, ColorItem::header_text);
    style.last3number_text = option_color(o, ColorItem::last3number_text);
    style.line = option_color(o, ColorItem::line);
    style.separate = option_color(o, ColorItem::separate);
    style.ton_circle = option_color(o, ColorItem::ton_circle);
    style.input_background = option_color(o, ColorItem::input_background);
    style.input_text = option_color(o, ColorItem::input_text);
    style.input_select_background = option_color(o, ColorItem::input_select_background);
    style.input_select_text = option_color(o, ColorItem::input_select_text);
    style.throw_count = o.throw_count == 1;
    style.ton_circle_flag = o.ton_circle == 1;
    style.separate_flag = o.separate == 1;
    style.scroll_bar = o.scroll_bar == 1;
    return style;
}

} // namespace dvk
