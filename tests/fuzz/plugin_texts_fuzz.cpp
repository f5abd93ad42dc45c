// What plug-in libraries tell the program, as any bytes: the description blocks of
// get_plugin_info (texts with or without terminators, any encoding), the command lines their
// settings leave behind and the keys given to them. The texts become rows of the Plug-in page,
// the rows become the settings, and the Tools menu and shortcuts are built from them. Nothing
// a library writes may break the settings file: what is saved loads back as the same list.

#include "fuzz_input.h"
#include "plugins/records/text_fields.h"
#include "settings/options_load.h"
#include "settings/options_save.h"
#include "settings/plugin_list.h"

#include <dvk/plugin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace dvk;

namespace {

// A text field as a library leaves it: the fuzzer's bytes, zero-padded, often unterminated.
std::string field_from(fuzz::FuzzInput& in) {
    char field[DVK_TEXT_SIZE] = {};
    const std::string_view bytes = in.take(static_cast<std::size_t>(in.number(0, DVK_TEXT_SIZE)));
    std::memcpy(field, bytes.data(), bytes.size());
    return read_text_field(field);
}

std::vector<PluginFunctionInfo> described_functions(fuzz::FuzzInput& in) {
    std::vector<PluginFunctionInfo> functions(static_cast<std::size_t>(in.number(0, 4)));
    for (PluginFunctionInfo& function : functions) {
        function.title = field_from(in);
        function.func_name = field_from(in);
        function.cmd_line = field_from(in);
        fuzz::require(function.title.size() < DVK_TEXT_SIZE, "a text stays inside its field");
    }
    return functions;
}

void edit(PluginRows& rows, fuzz::FuzzInput& in) {
    const auto row = [&] { return static_cast<std::size_t>(in.number(0, 8)); };
    switch (in.byte() % 6) {
    case 0:
        rows.add_functions(field_from(in), described_functions(in));
        break;
    case 1:
        rows.set_cmd_line(row(), field_from(in));
        break;
    case 2:
        rows.set_key(row(), in.number(0, 7), in.number(0, 255));
        break;
    case 3:
        rows.move_up(row());
        break;
    case 4:
        rows.move_down(row());
        break;
    default:
        rows.remove(row());
        break;
    }
}

std::string saved_text(const AppOptions& options) {
    ProfileDocument document = ProfileDocument::parse({});
    write_options(document, options);
    return document.serialise();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    PluginRows rows({});
    for (int step = 0; step < 64 && !in.empty(); ++step) {
        edit(rows, in);
    }
    OptionsEnvironment environment;
    environment.work_area = WorkArea{0, 0, 1920, 1080};
    AppOptions options = read_options(ProfileDocument::parse({}), environment);
    options.plugins = rows.configs();

    const std::vector<std::int32_t> masks(options.plugins.size(), plugin_event_menu);
    const auto key_name = [](std::int32_t, std::int32_t key) { return std::to_string(key); };
    fuzz::require(tools_menu_items(options.plugins, masks, key_name).size() <= max_plugin_commands,
                  "the Tools menu has a command for every item");
    build_plugin_accelerators(options.plugins, masks);

    const std::string saved = saved_text(options);
    const AppOptions loaded = read_options(ProfileDocument::parse(saved), environment);
    fuzz::require(loaded.plugins.size() == options.plugins.size(),
                  "every saved plug-in entry loads back");
    fuzz::require(saved_text(loaded) == saved, "the loaded list saves to the same text");
    return 0;
}
