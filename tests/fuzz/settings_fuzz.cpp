// The settings file engine and the options on any file text: loading never fails, what a save
// writes loads back as the same options, and saving again settles on one text.

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
    // A key line that looks like a header or a comment once its leading blanks are gone changes
    // its kind at the next load, as the file format has it; from then on the text is stable.
    const std::string saved_again = reread.serialise();
    fuzz::require(ProfileDocument::parse(saved_again).serialise() == saved_again,
                  "a file saved twice is written back byte for byte");
    return 0;
}
