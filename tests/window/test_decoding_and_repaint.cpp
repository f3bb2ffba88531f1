// The fast paths and what they must keep: JPEG decoded by libjpeg-turbo to exactly the size asked,
// pictures decoded as large as the game area shows them, and the board repainting what changed.
#include <QtTest>

#include <cmath>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "platform/ui/jpeg_decoder.h"
#include "platform/ui/qt_picture_clip.h"
#include "window/hostile_pictures.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;
using hostile::halves;
using hostile::jpeg;
using hostile::kBottom;
using hostile::kTop;

namespace {

// JPEG keeps colours to within a few levels.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
           std::abs(a.blue() - b.blue()) < 16;
}

bool showsHalves(const QImage& image)
{
    return near(image.pixelColor(image.width() / 2, image.height() / 4), kTop) &&
           near(image.pixelColor(image.width() / 2, image.height() * 3 / 4), kBottom);
}

// Records the regions the board widget paints.
class PaintLog : public QObject {
public:
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

void clickPiece(GameWindow& w, int k)
{
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, pieceOnScreen(w.game(), k).center());
}

} // namespace

class DecodingAndRepaintTest : public QObject {
    Q_OBJECT
private slots:
    void jpegDecodesToExactlyTheSizeAsked()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("even.jpg", jpeg(halves(1600, 1200))));
        QVERIFY(folder.bytes("odd.jpg", jpeg(halves(1001, 751))));
        QVERIFY(folder.bytes("grey.jpg",
                             jpeg(halves(800, 600).convertToFormat(QImage::Format_Grayscale8))));
        const struct {
            const char* file;
            QSize target;
        } cases[] = {
            {"even.jpg", {1600, 1200}}, {"even.jpg", {800, 600}},   {"even.jpg", {400, 300}},
            {"even.jpg", {200, 150}},   {"even.jpg", {533, 400}},   {"even.jpg", {100, 75}},
            {"odd.jpg", {251, 188}},    {"odd.jpg", {126, 94}},     {"grey.jpg", {400, 300}},
        };
        for (const auto& c : cases) {
            const JpegDecode d = decodeJpeg(folder.file(c.file), c.target, 256ll << 20);
            const QByteArray what = QByteArray(c.file) + " at " + QByteArray::number(c.target.width());
            QVERIFY2(d.outcome == JpegDecode::Outcome::Decoded, what);
            QCOMPARE(d.image.size(), c.target);
            QCOMPARE(d.image.format(), QImage::Format_RGB32);
            if (QByteArray(c.file) != "grey.jpg")
                QVERIFY2(showsHalves(d.image), what);
        }
    }

    void jpegRefusesProgressiveFilesOverBudgetAndLeavesCmykToQt()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("progressive.jpg", jpeg(halves(400, 300), true)));
        const JpegDecode over = decodeJpeg(folder.file("progressive.jpg"), {400, 300}, 100000);
        QVERIFY(over.outcome == JpegDecode::Outcome::Refused);
        QCOMPARE(over.error, QStringLiteral("The picture is too large to open (400 x 300 pixels)"));
        const JpegDecode within = decodeJpeg(folder.file("progressive.jpg"), {200, 150}, 1 << 20);
        QVERIFY(within.outcome == JpegDecode::Outcome::Decoded);
        QVERIFY(showsHalves(within.image));

        QVERIFY(folder.bytes("rgb.jpg", jpeg(halves(240, 160))));
        if (QProcess::execute(QStringLiteral("convert"),
                              {folder.file("rgb.jpg"), QStringLiteral("-colorspace"),
                               QStringLiteral("CMYK"), folder.file("cmyk.jpg")}) != 0)
            QSKIP("ImageMagick's convert is needed to make a CMYK JPEG");
        QVERIFY(decodeJpeg(folder.file("cmyk.jpg"), {240, 160}, 1 << 20).outcome ==
                JpegDecode::Outcome::NotHandled);
    }

    void pictureIsDecodedAsLargeAsTheGameAreaShowsIt()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("wide.jpg", jpeg(halves(2400, 1800))));
        // Stored 1200 x 2400 and turned a quarter by its Exif tag: upright 2400 x 1200.
        const QImage stored = halves(2400, 1200).transformed(QTransform().rotate(-90));
        QVERIFY(folder.bytes("turned.jpg", hostile::withOrientation(jpeg(stored), 6)));
        QVERIFY(folder.picture("big.bmp", 1600, 1200));
        const struct {
            const char* file;
            QSize area, decoded, natural;
        } cases[] = {
            {"wide.jpg", {600, 400}, {600, 450}, {2400, 1800}},     // 1/4 covers 533 x 400
            {"wide.jpg", {300, 200}, {300, 225}, {2400, 1800}},     // 1/8
            {"wide.jpg", {1300, 900}, {1200, 900}, {2400, 1800}},   // 1/2
            {"wide.jpg", {3000, 3000}, {1200, 900}, {2400, 1800}},  // never over 2048 pixels
            {"wide.jpg", {}, {1200, 900}, {2400, 1800}},            // no area yet: the limit
            {"turned.jpg", {600, 300}, {600, 300}, {2400, 1200}},   // 1/4 of the stored 1200 x 2400
            {"big.bmp", {600, 400}, {800, 600}, {1600, 1200}},
        };
        for (const auto& c : cases) {
            QtPictureClip clip;
            clip.setShownArea(c.area);
            std::string error;
            QVERIFY2(clip.load(folder.file(c.file).toStdString(), error), error.c_str());
            QCOMPARE(clip.image().size(), c.decoded);
            QCOMPARE(QSize(clip.pixelWidth(), clip.pixelHeight()), c.natural);
        }
    }

    void aGrowingAreaDecodesThePictureAgainLarger()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("wide.jpg", jpeg(halves(2400, 1800))));
        QtPictureClip clip;
        clip.setShownArea({600, 400});
        std::string error;
        QVERIFY(clip.load(folder.file("wide.jpg").toStdString(), error));
        QCOMPARE(clip.image().size(), QSize(600, 450));
        const qint64 before = clip.image().cacheKey();
        clip.setShownArea({1300, 900});
        QCOMPARE(clip.image().size(), QSize(1200, 900));
        QVERIFY(clip.image().cacheKey() != before);   // the board scales the new pixels
        QVERIFY(showsHalves(clip.image()));
        clip.setShownArea({600, 400});                // a smaller area keeps the sharper pixels
        QCOMPARE(clip.image().size(), QSize(1200, 900));
    }

    // The board's whole picture is the clip's only copy when the clip can decode its file again:
    // the clip lets go of its larger pixels, keeps the same picture key (nothing to repaint), and
    // decodes the file again only when the area grows. The intro picture, which has no file,
    // keeps its pixels and the board gets a copy.
    void theShownPictureIsTheClipsOnlyCopy()
    {
        PictureFolder folder;
        QVERIFY(folder.bytes("wide.jpg", jpeg(halves(2400, 1800))));
        QtPictureClip clip(halves(800, 600));
        clip.setShownArea({600, 400});
        std::string error;
        QVERIFY(clip.load(folder.file("wide.jpg").toStdString(), error));
        QCOMPARE(clip.image().size(), QSize(600, 450));
        const qint64 key = clip.pictureKey();
        const QImage shown = clip.shownAt({480, 360});
        QCOMPARE(shown.size(), QSize(480, 360));
        QCOMPARE(clip.image().cacheKey(), shown.cacheKey());
        QCOMPARE(clip.pictureKey(), key);
        QCOMPARE(QSize(clip.pixelWidth(), clip.pixelHeight()), QSize(2400, 1800));
        clip.setShownArea({600, 400});
        QCOMPARE(clip.image().size(), QSize(480, 360));
        clip.setShownArea({1300, 900});
        QCOMPARE(clip.image().size(), QSize(1200, 900));
        QVERIFY(clip.pictureKey() != key);
        QVERIFY(showsHalves(clip.image()));

        clip.loadIntro();
        const QImage intro = clip.shownAt({400, 300});
        QCOMPARE(intro.size(), QSize(400, 300));
        QCOMPARE(clip.image().size(), QSize(800, 600));
    }

    // The clip sees a picture's size before it takes it: a refused picture never replaces the one
    // held, even when that one's file has gone since. A picture offered for a path (the Open
    // window's preview) is taken without reading the file.
    void aRefusedPictureLeavesTheHeldOneAndAnOfferSparesTheDecode()
    {
        PictureFolder folder;
        QVERIFY(folder.picture("held.bmp", 640, 480));
        QVERIFY(folder.picture("small.bmp", 90, 90));
        QtPictureClip clip(QImage(20, 10, QImage::Format_RGB32));
        std::string error;
        QVERIFY(clip.load(folder.file("held.bmp").toStdString(), error));
        const qint64 held = clip.image().cacheKey();
        QVERIFY(QFile::remove(folder.file("held.bmp")));

        const auto atLeast100 = [](int w, int h) { return w >= 100 && h >= 100; };
        QCOMPARE(clip.loadIf(folder.file("small.bmp").toStdString(), atLeast100,
                             folder.file("held.bmp").toStdString(), error),
                 ClipLoad::Refused);
        QCOMPARE(clip.image().cacheKey(), held);
        QCOMPARE(QSize(clip.pixelWidth(), clip.pixelHeight()), QSize(640, 480));

        QCOMPARE(clip.loadIf(folder.file("gone.bmp").toStdString(), atLeast100, {}, error),
                 ClipLoad::Failed);
        QCOMPARE(clip.image().cacheKey(), held);

        const QImage preview = halves(300, 200);
        clip.offer(folder.file("gone.bmp").toStdString(), preview, QSize(3000, 2000));
        QCOMPARE(clip.loadIf(folder.file("gone.bmp").toStdString(), atLeast100, {}, error),
                 ClipLoad::Taken);
        QCOMPARE(clip.image().cacheKey(), preview.cacheKey());
        QCOMPARE(QSize(clip.pixelWidth(), clip.pixelHeight()), QSize(3000, 2000));
        // The offer is used up: the file is read the next time.
        QCOMPARE(clip.loadIf(folder.file("gone.bmp").toStdString(), atLeast100, {}, error),
                 ClipLoad::Failed);
    }

    void aMoveRepaintsItsTwoPiecesAndTheClockTickNothing()
    {
        ProgramRig rig({"Dragonfly.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        w.runGame([&w] { w.game().mnuPuz_Click(); });
        QApplication::processEvents();
        PaintLog log;
        w.board()->installEventFilter(&log);

        const Game& g = w.game();
        const int n = g.board().pieceCount();
        QVERIFY(n >= 12);
        clickPiece(w, 1);   // selects piece 1 and starts the clock
        QApplication::processEvents();
        const QRect first = pieceOnScreen(g, 1), last = pieceOnScreen(g, n);
        log.painted = QRegion();
        clickPiece(w, n);   // exchanges pieces 1 and n
        QApplication::processEvents();
        QCOMPARE(pieceOnScreen(g, 1), last);
        QCOMPARE(pieceOnScreen(g, n), first);
        QCOMPARE(log.painted.intersected(first), QRegion(first));
        QCOMPARE(log.painted.intersected(last), QRegion(last));
        // Only the two cells (and their frames) are painted, not the board.
        const auto area = [](const QRegion& r) {
            qint64 a = 0;
            for (const QRect& rect : r)
                a += qint64(rect.width()) * rect.height();
            return a;
        };
        QVERIFY2(area(log.painted) <= 2 * area(QRegion(first) + last),
                 QByteArray::number(area(log.painted)));

        const QString title = w.windowTitle();
        const int paints = log.paints;
        rig.advance(1.0);
        QApplication::processEvents();
        QVERIFY(w.windowTitle() != title);   // the clock moved on
        QCOMPARE(log.paints, paints);        // and the board was left alone
    }

    // In a Slider game the cell a piece leaves becomes the empty cell, whose piece is hidden: it
    // must be painted over all the same.
    void aSlideRepaintsTheCellItLeaves()
    {
        ProgramRig rig({"Dragonfly.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = w.game();
        w.runGame([&g] { g.mnuSlide_Click(); });
        QApplication::processEvents();
        PaintLog log;
        w.board()->installEventFilter(&log);

        const int n = g.board().pieceCount();
        std::vector<QRect> before;
        for (int k = 1; k <= n; ++k)
            before.push_back(pieceOnScreen(g, k));
        for (int key : {Key::Left, Key::Right, Key::Up, Key::Down}) {
            w.runGame([&g, key] { g.keyDown(key); });
            if (g.counters().moves() > 0)
                break;
        }
        QCOMPARE(g.counters().moves(), std::int16_t(1));
        QApplication::processEvents();
        int moved = 0;
        for (int k = 1; k < n; ++k)
            if (pieceOnScreen(g, k) != before[std::size_t(k - 1)])
                moved = k;
        QVERIFY(moved > 0);
        const QRect left = before[std::size_t(moved - 1)];
        QCOMPARE(log.painted.intersected(left), QRegion(left));
        QCOMPARE(log.painted.intersected(pieceOnScreen(g, moved)), QRegion(pieceOnScreen(g, moved)));
    }
};

QTEST_MAIN(DecodingAndRepaintTest)
#include "test_decoding_and_repaint.moc"
