// The score cell's text model under any sequence of keys, clicks and clipboard texts: the
// caret and selection stay inside the text, typing keeps to digits, and undoing every step and
// redoing as many gives back the text.

#include "fuzz_input.h"
#include "layout/score_text_model.h"

#include <cstddef>
#include <cstdint>

using namespace dvk;

namespace {

std::u32string clipboard_text(fuzz::FuzzInput& in) {
    std::u32string text;
    for (const char c : in.take(in.number(0, 12))) {
        text.push_back(static_cast<unsigned char>(c) % 3 == 0 ? U'x' : U'0' + (c & 7));
    }
    return text;
}

void apply(ScoreTextModel& model, fuzz::FuzzInput& in, bool& typed_only) {
    const auto position = [&] { return static_cast<std::size_t>(in.number(0, 8)); };
    switch (in.byte() % 22) {
    case 0:
        model.type(static_cast<char32_t>(in.byte() % 16 + U'0' - 3));
        break;
    case 1:
        model.paste(clipboard_text(in));
        break;
    case 2:
        model.backspace();
        break;
    case 3:
        model.delete_forward();
        break;
    case 4:
        model.clear();
        break;
    case 5:
        model.copy();
        break;
    case 6:
        model.cut();
        break;
    case 7:
        model.move_home(in.flag());
        break;
    case 8:
        model.move_end(in.flag());
        break;
    case 9:
        model.move_left(in.flag());
        break;
    case 10:
        model.move_right(in.flag());
        break;
    case 11:
        model.select_all();
        break;
    case 12:
        model.place_caret(position(), in.flag());
        break;
    case 13:
        model.drag_caret(position());
        break;
    case 14:
        model.point_at(position());
        break;
    case 15:
        model.undo();
        break;
    case 16:
        model.redo();
        break;
    case 17:
        model.toggle_insert_mode();
        break;
    case 18:
        model.set_limit(static_cast<std::size_t>(in.number(0, 4)));
        break;
    case 19:
        model.set_read_only(in.flag());
        break;
    case 20:
        model.set_text(clipboard_text(in));
        typed_only = false;
        break;
    default:
        model.commit();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    ScoreTextModel model;
    bool typed_only = true;
    for (int step = 0; step < 200 && !in.empty(); ++step) {
        apply(model, in, typed_only);
        const std::size_t length = model.text().size();
        fuzz::require(model.caret() <= length && model.anchor() <= length,
                      "caret and anchor stay in the text");
        if (typed_only) {
            for (const char32_t c : model.text()) {
                fuzz::require(c >= U'0' && c <= U'9', "typing keeps to digits");
            }
        }
    }
    model.set_read_only(false);
    model.commit();
    const std::u32string last = model.text();
    int undone = 0;
    for (; model.can_undo(); ++undone) {
        model.undo();
    }
    for (int i = 0; i < undone; ++i) {
        fuzz::require(model.can_redo(), "every step undone can be redone");
        model.redo();
    }
    fuzz::require(model.text() == last, "undoing every step and redoing them gives back the text");
    return 0;
}
