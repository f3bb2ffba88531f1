// The board repaints only what changed: what it leaves on screen after any sequence of commands
// must equal a full paint of the same state, and a new deal shows the background between pieces.
#include <QBackingStore>
#include <QtTest>

#include <cmath>
#include <random>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Lets every pending paint and flush happen.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// What the window's backing store holds over the board: what the player sees, as opposed to
// grab(), which paints the widget afresh.
QImage onScreen(GameWindow& w)
{
    settle();
    QBackingStore* store = w.backingStore();
    if (!store || !store->paintDevice() || store->paintDevice()->devType() != QInternal::Image)
        return {};
    const QImage& image = *static_cast<QImage*>(store->paintDevice());
    const qreal ratio = image.devicePixelRatio();
    const QRect logical(w.board()->mapTo(&w, QPoint(0, 0)), w.board()->size());
    const QRect device(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)),
                       QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
    return image.copy(device).convertToFormat(QImage::Format_RGB32);
}

QImage fullPaint(GameWindow& w)
{
    return w.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Empty when both are equal, else where and how they first differ and how many pixels do.
QString difference(const QImage& seen, const QImage& full)
{
    if (seen.size() != full.size())
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(seen.width()).arg(seen.height()).arg(full.width()).arg(full.height());
    qint64 count = 0;
    QPoint first;
    for (int y = 0; y < seen.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(seen.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(full.constScanLine(y));
        for (int x = 0; x < seen.width(); ++x)
            if (a[x] != b[x] && count++ == 0)
                first = QPoint(x, y);
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels differ, the first at (%2, %3): %4 on screen, %5 in a full paint")
        .arg(count).arg(first.x()).arg(first.y())
        .arg(QColor(seen.pixel(first)).name(), QColor(full.pixel(first)).name());
}

QRectF logicalRect(const Element& e)
{
    return QRectF(toPixels(e.Left), toPixels(e.Top), toPixels(e.Width), toPixels(e.Height));
}

bool trigger(GameWindow& w, const QString& name)
{
    QAction* a = w.action(name);
    if (!a || !a->isEnabled() || !a->isVisible())
        return false;
    a->trigger();
    return true;
}

// + or - held for `steps` repeats, then released.
void resizeKey(GameWindow& w, Qt::Key key, int steps)
{
    for (int i = 0; i < steps; ++i)
        QTest::keyPress(&w, key);
    QTest::keyRelease(&w, key);
}

// Plays random commands a player could give and checks the screen after each one.
class RandomPlayer {
public:
    RandomPlayer(ProgramRig& rig, unsigned seed) : rig_(rig), w_(rig.window()), engine_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    // A menu command, named as the log shows it, "(off)" when the item could not be chosen.
    QString menu(const QString& item, const QString& label)
    {
        return trigger(w_, item) ? label : label + QStringLiteral(" (off)");
    }

    // One random command; returns what it was.
    QString step()
    {
        Game& g = w_.game();
        switch (pick(21)) {
        case 0: case 1:
            return menu(QStringLiteral("mnuPuz"), QStringLiteral("New Game Puzzle"));
        case 2:
            return menu(QStringLiteral("mnuSlide"), QStringLiteral("New Game Slider"));
        case 3: case 4: case 5: {
            std::vector<int> shown;
            for (int k = 1; k <= g.board().pieceTotal(); ++k)
                if (g.board().piece(k).Visible)
                    shown.push_back(k);
            if (!g.form().Picture2.Visible || shown.empty()) {
                QTest::mouseClick(w_.board(), Qt::LeftButton, {}, w_.board()->rect().center());
                return QStringLiteral("click");
            }
            const int k = shown[std::size_t(pick(int(shown.size())))];
            QTest::mouseClick(w_.board(), Qt::LeftButton, {}, pieceOnScreen(g, k).center());
            return QStringLiteral("click piece %1").arg(k);
        }
        case 6: {
            static const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            QTest::keyClick(&w_, arrows[pick(4)]);
            return QStringLiteral("arrow");
        }
        case 7: case 8:
            return menu(QStringLiteral("mnuHint"), QStringLiteral("Hint"));
        case 9: {
            const int i = pick(std::max(1, int(g.form().SizeCount)));
            return menu(QStringLiteral("mnuSize(%1)").arg(i), QStringLiteral("size %1").arg(i));
        }
        case 10:
            return menu(QStringLiteral("mnuView"), QStringLiteral("View"));
        case 11: {
            static const char* items[] = {"mnuColor", "mnuSelCol", "mnuHntCol"};
            const char* item = items[pick(3)];
            rig_.colors.answers.push_back(std::uint32_t(engine_() & 0xFFFFFF));
            const QString done = menu(QString::fromLatin1(item), QString::fromLatin1(item));
            rig_.colors.answers.clear();
            return done;
        }
        case 12: {
            const bool grow = pick(2) == 0;
            const int steps = 1 + pick(12);
            resizeKey(w_, grow ? Qt::Key_Plus : Qt::Key_Minus, steps);
            return QStringLiteral("%1 x%2").arg(grow ? QLatin1Char('+') : QLatin1Char('-')).arg(steps);
        }
        case 13:
            if (pick(2) == 0)
                return menu(QStringLiteral("mnuSave"), QStringLiteral("Save"));
            return menu(QStringLiteral("mnuRestore"), QStringLiteral("Load"));
        case 14: {
            const int i = pick(int(g.menus().mnuPict().size()) + 1);
            return menu(QStringLiteral("mnuPict(%1)").arg(i), QStringLiteral("picture %1").arg(i));
        }
        case 15:
            QTest::keyClick(&w_, Qt::Key_P);
            return QStringLiteral("P");
        case 16: {
            int hints = 0;
            while (g.form().GameState == State::Playing && hints < 400 &&
                   trigger(w_, QStringLiteral("mnuHint")))
                ++hints;
            return QStringLiteral("Hint x%1%2")
                .arg(hints)
                .arg(g.form().GameState == State::Solved ? " (solved)" : "");
        }
        case 18:
            QTest::keyClick(&w_, pick(2) == 0 ? Qt::Key_Space : Qt::Key_Return);
            return QStringLiteral("Space");
        case 19:
            return menu(QStringLiteral("mnuUndo"), QStringLiteral("Undo"));
        case 20:
            return menu(QStringLiteral("mnuRedo"), QStringLiteral("Redo"));
        default:
            rig_.advance(pick(2) == 0 ? 0.3 : 2.5);
            return QStringLiteral("time");
        }
    }

private:
    ProgramRig& rig_;
    GameWindow& w_;
    std::mt19937 engine_;
};

// The rectangle of the game area whose every pixel lies wholly inside it, in device pixels.
QRect deviceInside(const QRectF& logical, qreal ratio)
{
    const QRectF d(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio,
                   logical.height() * ratio);
    return QRect(QPoint(int(std::ceil(d.left())), int(std::ceil(d.top()))),
                 QPoint(int(std::floor(d.right())) - 1, int(std::floor(d.bottom())) - 1));
}

// Pixels of the game area outside every shown piece and shown marker frame that do not show the
// background colour.
QString pictureInTheGaps(GameWindow& w, const QImage& seen)
{
    const Game& g = w.game();
    const qreal ratio = w.board()->devicePixelRatioF();
    QRegion covered;
    for (int k = 1; k <= g.board().pieceTotal(); ++k)
        if (g.board().piece(k).Visible)
            covered += pieceOnScreen(g, k);
    const auto frameBox = [&g](const Frame& f) {
        return QRectF(toPixels(g.form().Picture2.Left + f.Left), toPixels(g.form().Picture2.Top + f.Top),
                      toPixels(f.Width), toPixels(f.Height)).toAlignedRect().adjusted(-1, -1, 1, 1);
    };
    for (const Frame& f : g.board().marks())
        if (f.Visible)
            covered += frameBox(f);
    if (g.board().boardFrame().Visible)
        covered += frameBox(g.board().boardFrame());
    const QRgb back = toQColor(g.form().BackColor).rgb();
    const QRect area = deviceInside(logicalRect(g.form().Picture2), ratio) & seen.rect();
    int gapPixels = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint logical(int(std::floor(x / ratio)), int(std::floor(y / ratio)));
            if (covered.contains(logical))
                continue;
            ++gapPixels;
            if (seen.pixel(x, y) != back)
                return QStringLiteral("(%1, %2) shows %3, not the background %4")
                    .arg(x).arg(y).arg(QColor(seen.pixel(x, y)).name(), QColor(back).name());
        }
    if (gapPixels == 0)
        return QStringLiteral("no gap between the pieces to look at");
    return {};
}

} // namespace

class BoardRepaintTest : public QObject {
    Q_OBJECT
private slots:
    void whatStaysOnScreenIsAFullPaintAfterEveryCommand()
    {
        for (const unsigned seed : {1u, 2u, 3u, 4u}) {
            ProgramRig rig({"Dragonfly.jpg", "Cat.jpg", "Two Dogs.jpg"});
            rig.random = ScriptedRandom(seed);
            rig.finishIntro();
            GameWindow& w = rig.window();
            QVERIFY(w.isVisible());
            QVERIFY2(!onScreen(w).isNull(), "the window's backing store cannot be read");
            RandomPlayer player(rig, seed);
            QStringList done;
            for (int i = 0; i < 90; ++i) {
                done << player.step();
                const QString diff = difference(onScreen(w), fullPaint(w));
                QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("seed %1 after %2: %3")
                                                        .arg(seed).arg(done.join(QStringLiteral(", ")), diff)));
            }
            rig.messages.shown.clear();
        }
    }

    // A paint can come before the refresh that follows a change, for instance under a message
    // box's own event loop in the middle of a handler: what it drew must not stay on screen.
    void aPaintOfAStateNeverRefreshedIsPaintedOver()
    {
        ProgramRig rig({"Dragonfly.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = w.game();
        QVERIFY(trigger(w, QStringLiteral("mnuPuz")));
        onScreen(w);
        g.mnuView_Click();          // the whole picture, not yet refreshed
        w.board()->repaint();
        g.mnuView_Click();          // the puzzle again, exactly as last refreshed
        w.refresh();
        const QString diff = difference(onScreen(w), fullPaint(w));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void aNewGameShowsTheBackgroundBetweenItsPieces_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("command");
        for (const char* before : {"whole picture", "in play", "solved", "paused"})
            for (const char* command : {"mnuPuz", "mnuSlide"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(before), QLatin1String(command))))
                    << QString::fromLatin1(before) << QString::fromLatin1(command);
    }

    void aNewGameShowsTheBackgroundBetweenItsPieces()
    {
        QFETCH(QString, before);
        QFETCH(QString, command);
        ProgramRig rig({"Dragonfly.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = w.game();
        QVERIFY(g.form().Image1.Visible);
        if (before != QLatin1String("whole picture")) {
            QVERIFY(trigger(w, QStringLiteral("mnuPuz")));
            QTest::mouseClick(w.board(), Qt::LeftButton, {}, pieceOnScreen(g, 1).center());
            QVERIFY(g.clock().running());
        }
        if (before == QLatin1String("solved")) {
            for (int i = 0; i < 400 && g.form().GameState != State::Solved; ++i)
                QVERIFY(trigger(w, QStringLiteral("mnuHint")));
            QCOMPARE(g.form().GameState, State::Solved);
        } else if (before == QLatin1String("paused")) {
            QTest::keyClick(&w, Qt::Key_P);
            QVERIFY(g.clock().paused());
        }
        onScreen(w);
        QVERIFY(trigger(w, command));
        QCOMPARE(g.form().GameState, State::Playing);
        QVERIFY(g.form().Picture2.Visible);
        const QString wrong = pictureInTheGaps(w, onScreen(w));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Pieces are cut from the whole picture as shown: each piece, wherever the deal put it,
    // shows the share of the whole picture its own cell covers. The picture is a gradient, red
    // across and green down, so a piece showing another cell's share differs by a cell's step.
    void eachPieceShowsItsShareOfTheWholePicture()
    {
        TempFolder pictures;
        QImage gradient(900, 640, QImage::Format_RGB32);
        for (int y = 0; y < gradient.height(); ++y)
            for (int x = 0; x < gradient.width(); ++x)
                gradient.setPixel(x, y, qRgb(x * 255 / (gradient.width() - 1),
                                             y * 255 / (gradient.height() - 1), 90));
        const QString file = QString::fromStdString(pictures / "gradient.png");
        QVERIFY(gradient.save(file));
        ProgramRig rig({"Dragonfly.jpg"}, false, nullptr, file);
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = w.game();
        QVERIFY(g.form().Image1.Visible);
        const QImage whole = fullPaint(w);
        const QRectF picture = logicalRect(g.form().Image1);
        QVERIFY(trigger(w, QStringLiteral("mnuPuz")));
        const QImage dealt = fullPaint(w);
        const int cols = g.board().gridCols(), rows = g.board().gridRows();
        QVERIFY(cols > 1 && rows > 1);
        const int tolerance = std::min(255 / cols, 255 / rows) / 3;
        for (int k = 1; k <= cols * rows; ++k) {
            const QPointF centre = QRectF(pieceOnScreen(g, k)).center();
            const QPointF share(picture.left() + ((k - 1) % cols + 0.5) * picture.width() / cols,
                                picture.top() + ((k - 1) / cols + 0.5) * picture.height() / rows);
            const qreal r = dealt.devicePixelRatio();
            const QRgb shown = dealt.pixel((centre * r).toPoint()), expected = whole.pixel((share * r).toPoint());
            QVERIFY2(std::abs(qRed(shown) - qRed(expected)) <= tolerance &&
                         std::abs(qGreen(shown) - qGreen(expected)) <= tolerance,
                     qPrintable(QStringLiteral("piece %1 of %2x%3 shows %4 at its centre, its share %5")
                                    .arg(k).arg(cols).arg(rows)
                                    .arg(QColor(shown).name(), QColor(expected).name())));
        }
    }
};

QTEST_MAIN(BoardRepaintTest)
#include "test_board_repaint.moc"
