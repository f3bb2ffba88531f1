// Reading "init.txt" at start-up, with the 22 pictures the list holds at most through Add and with
// a hand-made list of 10,000.
#include <benchmark/benchmark.h>

#include "startup/settings_file.h"
#include "startup/startup_settings.h"
#include "support/temp_folder.h"

namespace quiltra::bench {

namespace {

// A program folder with 22 small picture files and an "init.txt" that lists them over and over
// until it has `entries` entries, so that every entry exists.
void BM_ReadSettings(benchmark::State& state)
{
    const int entries = int(state.range(0));
    test::TempFolder folder;
    std::string text = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";
    for (int i = 0; i < 22; ++i)
        folder.write("Graphics/Picture number " + std::to_string(i) + ".jpg", "x");
    for (int i = 0; i < entries; ++i)
        text += folder / ("Graphics/Picture number " + std::to_string(i % 22) + ".jpg") + ",";
    text += "end\n";
    folder.write("init.txt", text);
    state.SetLabel(std::to_string(text.size()) + " bytes");

    for (auto _ : state) {
        const StartupSettings settings = loadStartupSettings(folder.path(), folder.path());
        if (settings.replacedWithDefaults || int(settings.entries.size()) != entries) {
            state.SkipWithError("the settings file was not read as written");
            break;
        }
    }
}

BENCHMARK(BM_ReadSettings)->Name("ReadInitTxt")->ArgName("entries")->Arg(22)->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

} // namespace quiltra::bench
