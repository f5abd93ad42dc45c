#include "screen/screen_style.h"

#include "screen/colors.h"

namespace dvk {

ScreenStyle screen_style_from(const AppOptions& options) {
    ScreenStyle style;
    style.font_family = QString::fromStdString(options.font_name);
    style.background = option_color(options, ColorItem::background);
    style.odd_background = option_color(options, ColorItem::odd_background);
    style.scored_text = option_color(options, ColorItem::scored_text);
    style.text = option_color(options, ColorItem::text);
    style.header_background = option_color(options, ColorItem::header_background);
    style.header_text = option_color(options, ColorItem::header_text);
    style.last3number_text = option_color(options, ColorItem::last3number_text);
    style.line = option_color(options, ColorItem::line);
    style.separate = option_color(options, ColorItem::separate);
    style.ton_circle = option_color(options, ColorItem::ton_circle);
    style.input_background = option_color(options, ColorItem::input_background);
    style.input_text = option_color(options, ColorItem::input_text);
    style.input_select_background = option_color(options, ColorItem::input_select_background);
    style.input_select_text = option_color(options, ColorItem::input_select_text);
    style.throw_count = options.throw_count == 1;
    style.ton_circle_flag = options.ton_circle == 1;
    style.separate_flag = options.separate == 1;
    style.scroll_bar = options.scroll_bar == 1;
    return style;
}

} // namespace dvk
