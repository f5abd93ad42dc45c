// The settings file engine and the options on any file text: loading never fails, what a save
// writes loads back as the same options, and saving it again writes the same text.

#include "fuzz_input.h"
#include "settings/options_load.h"
#include "settings/options_save.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace dvk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    OptionsEnvironment environment;
    environment.work_area = WorkArea{0, 0, 1920, 1080};

    ProfileDocument document = ProfileDocument::parse(text);
    const AppOptions loaded = read_options(document, environment);
    write_options(document, loaded);
    write_game_options(document, loaded.game);
    write_schedule(document, loaded.schedule);
    const std::string saved = document.serialise();

    const ProfileDocument reread = ProfileDocument::parse(saved);
    fuzz::require(read_options(reread, environment) == loaded, "a save loads back unchanged");
    fuzz::require(reread.serialise() == saved, "a saved file is written back byte for byte");
    return 0;
}
