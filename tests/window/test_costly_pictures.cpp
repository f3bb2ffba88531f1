// Pictures that cost a decoder far more than their size, through every way the program looks at a
// picture: the structure is checked before any decoder is asked anything, a picture whose whole
// decode would go over the memory budget or hold the window for seconds is refused from its
// header, and one just within the budget decodes within it. Each step's peak memory is measured
// on its own.
#include <QElapsedTimer>
#include <QtTest>
#include <functional>

#include "pictures/ui/preview_loader.h"
#include "platform/ui/picture_loader.h"
#include "platform/ui/qt_picture_clip.h"
#include "support/peak_memory.h"
#include "viewer/ui/viewer_picture.h"
#include "window/costly_pictures.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// A refusal reads headers and structure only: at most the 8 MB of a TIFF's strip tables, in
// 64 KiB reads. The sanitizers make it several times slower.
#ifdef QUILTRA_SANITIZED
constexpr qint64 kRefusalMillis = 4000;
#else
constexpr qint64 kRefusalMillis = 1000;
#endif
constexpr long kRefusalMiB = 24;
// A decode within the budget may add the reduced copy it keeps (at most 2048 pixels square) and
// the bookkeeping of the libraries. AddressSanitizer adds shadow memory, an eighth, and keeps
// freed memory in quarantine, so a buffer the decoder lets go of stays resident while it makes
// the next: the animated WebP's frame buffer peaked at 343 MiB there (242 without).
#ifdef QUILTRA_SANITIZED
constexpr long kDecodeSlackMiB = 24 + 160;
#else
constexpr long kDecodeSlackMiB = 24;
#endif

} // namespace

class CostlyPicturesTest : public QObject {
    Q_OBJECT
private slots:
    // Qt loads its image plugins and their libraries with the first picture of each format; that
    // is not the pictures' cost.
    void initTestCase()
    {
        PictureFolder folder;
        for (const char* format : {"png", "webp", "tiff", "bmp"}) {
            const QString name = QStringLiteral("warm.") + format;
            QVERIFY(folder.bytes(name, hostile::encoded(hostile::halves(40, 40), format)));
            QVERIFY2(loadPicture(folder.file(name)).ok(), format);
        }
    }

    // Before the check, asking Qt's reader for the size of this 249-byte PNG made libpng allocate
    // the 2 GiB its zTXt chunk claims, and take seconds.
    void everyWayOfLookingChecksTheStructureFirst()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("long.png", costly::pngLongChunk("zTXt", 0x7FFFFFFF)));
        const QString path = folder.file("long.png");
        const QImage preview = hostile::halves(100, 100);
        const struct {
            const char* way;
            std::function<QString()> look;   // what it made of the file
            QString expected;
        } ways[] = {
            {"the game's picture clip",
             [&] {
                 QtPictureClip clip;
                 clip.setShownArea(QSize(800, 600));
                 std::string error;
                 return clip.load(path.toStdString(), error) ? QStringLiteral("taken")
                                                             : QString::fromStdString(error);
             },
             kIncompletePicture},
            {"a picture window's preview",
             [&] {
                 PreviewLoader loader(nullptr);
                 const std::atomic<bool> stop{false};
                 return loader.decode(path, 200, stop).error;
             },
             kIncompletePicture},
            {"the viewer, sharpening a reduced preview",
             [&] {
                 const ViewerPicture shown = viewerPicture(preview, QSize(4000, 4000), path);
                 return shown.image == preview ? QStringLiteral("the preview kept")
                                               : QStringLiteral("another picture");
             },
             QStringLiteral("the preview kept")},
            {"the loader", [&] { return loadPicture(path).error; }, kIncompletePicture},
        };
        for (const auto& w : ways) {
            const PeakMemory peak;
            QVERIFY(peak.reset());
            QElapsedTimer timer;
            timer.start();
            const QString made = w.look();
            const qint64 millis = timer.elapsed();
            QCOMPARE(QString(w.way) + ": " + made, QString(w.way) + ": " + w.expected);
            QVERIFY2(peak.riseMiB() < kRefusalMiB,
                     qPrintable(QStringLiteral("%1: %2 MiB").arg(w.way).arg(peak.riseMiB())));
            QVERIFY2(millis < kRefusalMillis,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(w.way).arg(millis)));
        }
    }

    // Each of these once decoded, or tried to: 748 MiB for the animation's canvas, frame and
    // copies, 300 to 490 MiB for the others, and four seconds of the window for the strips.
    void picturesOverTheBudgetAreRefusedFromTheirHeaders()
    {
        PictureFolder folder;
        QString failure;
        const std::vector<HostilePicture> cases = writeCostlyPictures(folder, failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        for (const HostilePicture& c : cases) {
            const PeakMemory peak;
            QVERIFY(peak.reset());
            QElapsedTimer timer;
            timer.start();
            const LoadedPicture loaded = loadPicture(folder.file(c.name));
            const qint64 millis = timer.elapsed();
            QCOMPARE(c.name + ": " + loaded.error, c.name + ": " + c.refusal);
            QVERIFY2(peak.riseMiB() < kRefusalMiB,
                     qPrintable(QStringLiteral("%1: %2 MiB").arg(c.name).arg(peak.riseMiB())));
            QVERIFY2(millis < kRefusalMillis,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(c.name).arg(millis)));
        }
    }

    // The largest pictures of the kinds whose decode costs most a pixel still open, and their
    // decode stays within the budget: the whole decode is what the header's cost says.
    void picturesJustWithinTheBudgetDecodeWithinIt()
    {
        PictureFolder folder;
        const struct {
            QString name;
            QByteArray data;
            QSize size;
        } cases[] = {
            // Grey decodes to a byte a pixel and is copied into four: 5 bytes a pixel.
            {"grey7000.png", costly::greyPng(7000, 7000), QSize(7000, 7000)},
            // Lossless decodes through a second picture: 8 bytes a pixel.
            {"lossless5600.webp", costly::losslessWebp(5600, 5600), QSize(5600, 5600)},
            // Canvas, frame and the lossless frame's second picture: 12 bytes a pixel.
            {"animated4600.webp", costly::animatedWebp(4600, 4600, 3), QSize(4600, 4600)},
        };
        for (const auto& c : cases) {
            QVERIFY2(folder.bytes(c.name, c.data), qPrintable(c.name));
            const PeakMemory peak;
            QVERIFY(peak.reset());
            const LoadedPicture loaded = loadPicture(folder.file(c.name));
            QVERIFY2(loaded.ok(), qPrintable(c.name + ": " + loaded.error));
            QCOMPARE(loaded.naturalSize, c.size);
            QVERIFY2(peak.riseMiB() < (kFullDecodeBudgetBytes >> 20) + kDecodeSlackMiB,
                     qPrintable(QStringLiteral("%1: %2 MiB").arg(c.name).arg(peak.riseMiB())));
        }
    }
};

QTEST_MAIN(CostlyPicturesTest)
#include "test_costly_pictures.moc"
