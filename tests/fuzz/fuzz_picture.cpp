// Fuzzes picture loading through the program's own loader and its memory budget: any file gives
// a picture or a description of what is wrong, never a crash or an unbounded allocation.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ui/picture_loader.h"

namespace {

QString scratchFile()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("picture"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = scratchFile();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const quiltra::LoadedPicture picture = quiltra::loadPicture(path);
    if (picture.ok() && (picture.image.isNull() ||
                         std::max(picture.image.width(), picture.image.height()) > quiltra::kDecodeLongSide))
        std::abort();
    if (!picture.ok() && picture.error.isEmpty())
        std::abort();
    return 0;
}
