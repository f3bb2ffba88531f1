// Reading "init.txt" at start-up, and the whole start to the first window, with the 22 pictures
// the list holds at most through Add and with hand-made lists of 10,000 and 100,000.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench_rig.h"
#include "game/ui/game_window.h"
#include "pictures/ui/picture_list_editor.h"
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
    ->Arg(100000)->Unit(benchmark::kMicrosecond);

// The whole start-up with a list of `entries` entries, the supplied pictures over and over: from
// the program's construction until its game window has been shown and its events handled, as
// the player waits for the first window. Closing the program is not timed.
void BM_StartWithList(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const int entries = int(state.range(0));
    test::TempFolder folder;
    const fs::path data = QUILTRA_DATA_DIR;
    const fs::path root = folder.path();
    fs::copy(data / "intro.bmp", root / "intro.bmp");
    fs::copy(data / "portable.txt", root / "portable.txt");
    fs::copy(data / "Sound", root / "Sound", fs::copy_options::recursive);
    fs::copy(data / "Graphics", root / "Graphics", fs::copy_options::recursive);
    std::vector<std::string> pictures;
    for (const auto& e : fs::directory_iterator(root / "Graphics"))
        if (e.path().extension() == ".jpg")
            pictures.push_back(e.path().string());
    std::sort(pictures.begin(), pictures.end());
    std::string text = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";
    for (int i = 0; i < entries; ++i)
        text += pictures[std::size_t(i) % pictures.size()] + ",";
    folder.write("init.txt", text + "end\n");

    test::FakeClock clock;
    ClockSeededRandom random;
    SilentSound sound;
    test::ScriptedMessages messages;
    test::ScriptedColors colors;
    GameServices services;
    services.clock = &clock;
    services.random = &random;
    services.sound = &sound;
    services.messages = &messages;
    services.colors = &colors;
    for (auto _ : state) {
        auto program = std::make_unique<Program>(QString::fromStdString(folder.path()), &services);
        QCoreApplication::processEvents();
        if (int(program->pictures.List1.size()) != entries) {
            state.SkipWithError("the list was not read as written");
            break;
        }
        state.PauseTiming();
        program.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_StartWithList)->Name("StartWithList")->ArgName("entries")->Arg(22)->Arg(100000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

} // namespace quiltra::bench
