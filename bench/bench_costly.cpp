// Pictures that cost a decoder far more than their size: the time to refuse them from their
// headers, and the time the largest pictures the memory budget allows take to decode, on the
// thread that asks (the game's own load runs on the window's thread).
#include <benchmark/benchmark.h>

#include <functional>

#include "platform/ui/picture_loader.h"
#include "window/costly_pictures.h"

namespace quiltra::bench {

namespace {

// Writes the file once per run, then loads it through the loader as every way into the game
// does; `refused` says whether the loader must refuse it.
void BM_CostlyPicture(benchmark::State& state, const char* name,
                      std::function<QByteArray()> make, bool refused)
{
    static test::PictureFolder folder;
    const QString path = folder.file(QString::fromLatin1(name));
    if (!QFile::exists(path) && !folder.bytes(QString::fromLatin1(name), make())) {
        state.SkipWithError("the picture could not be written");
        return;
    }
    QString outcome;
    for (auto _ : state) {
        const LoadedPicture loaded = loadPicture(path);
        if (loaded.ok() == refused) {
            state.SkipWithError(loaded.ok() ? "the picture was not refused"
                                            : "the picture was refused");
            break;
        }
        outcome = loaded.ok() ? QStringLiteral("decoded %1 x %2")
                                    .arg(loaded.image.width())
                                    .arg(loaded.image.height())
                              : loaded.error;
    }
    state.SetLabel(outcome.toStdString());
}

const bool registered = [] {
    using namespace test::costly;
    struct Case {
        const char* name;
        std::function<QByteArray()> make;
        bool refused;
    };
    const Case cases[] = {
        // 64 x 1,000,000 grey, one row a strip: refused by its strip count.
        {"strips-1000000.tif", [] { return manyStripsTiff(64, 1000000); }, true},
        {"animated-8000.webp", [] { return animatedWebp(8000, 8000, 1000); }, true},
        {"grey-8000.png", [] { return greyPng(8000, 8000); }, true},
        // At the strip bound: what 65,536 strips cost the decoder.
        {"strips-65536.tif", [] { return manyStripsTiff(64, 65536); }, false},
        // The largest of each costly kind within the budget.
        {"grey-7000.png", [] { return greyPng(7000, 7000); }, false},
        {"lossless-5600.webp", [] { return losslessWebp(5600, 5600); }, false},
        {"animated-4600.webp", [] { return animatedWebp(4600, 4600, 3); }, false},
    };
    for (const Case& c : cases)
        benchmark::RegisterBenchmark(
            (std::string(c.refused ? "RefusePicture/" : "DecodePicture/") + c.name).c_str(),
            BM_CostlyPicture, c.name, c.make, c.refused)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
    return true;
}();

} // namespace

} // namespace quiltra::bench
