// The Best Times window: its title and rows, the picture in play first, a table that needs no
// horizontal scrolling, clearing only after Yes, and Escape.
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "game/best_times.h"
#include "game/ui/best_times_window.h"
#include "support/fakes.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

BestTimes someTimes()
{
    BestTimes t;
    const auto add = [&t](const char* name, Mode mode, int seconds, int hints) {
        t.record({name, 4, 3, mode, seconds, 30, std::int16_t(hints), "2024-05-01"});
    };
    add("Alps.jpg", Mode::Puzzle, 61, 0);
    add("Lake.jpg", Mode::Slider, 4000, 0);
    add("Lake.jpg", Mode::Puzzle, 75, 1);
    add("Lake.jpg", Mode::Puzzle, 90, 0);
    add("Zebra with a long name that still fits.jpg", Mode::Puzzle, 5, 0);
    return t;
}

QStringList column(QTableWidget* t, int c)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << t->item(r, c)->text();
    return out;
}

} // namespace

class BestTimesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsThePictureInPlayFirst()
    {
        BestTimes times = someTimes();
        ScriptedMessages messages;
        BestTimesWindow w(times, "Lake.jpg", messages, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quiltra - Best Times"));
        QTableWidget* t = w.table();
        QCOMPARE(column(t, 0), QStringList({"Lake.jpg", "Lake.jpg", "Lake.jpg", "Alps.jpg",
                                            "Zebra with a long name that still fits.jpg"}));
        const QStringList row0 = {"Lake.jpg", "4x3=12", "puzzle", "0:01:30", "30", "0",
                                  "2024-05-01"};
        for (int c = 0; c < row0.size(); ++c)
            QCOMPARE(t->item(0, c)->text(), row0[c]);
        QCOMPARE(column(t, 3), QStringList({"0:01:30", "0:01:15", "1:06:40", "0:01:01",
                                            "0:00:05"}));
        QVERIFY(t->item(0, 0)->font().bold());
        QVERIFY(!t->item(3, 0)->font().bold());
        QCOMPARE(t->horizontalScrollBar()->maximum(), 0);
        // Every heading and every text shows whole: no column is narrower than what it holds.
        const QAbstractItemView* view = t;
        for (int c = 0; c < t->columnCount(); ++c)
            QVERIFY2(t->columnWidth(c) >= std::max(t->horizontalHeader()->sectionSizeHint(c),
                                                   view->sizeHintForColumn(c)),
                     qPrintable(QString::number(c)));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void clearsOnlyAfterYes()
    {
        BestTimes times = someTimes();
        ScriptedMessages messages;
        int saves = 0;
        bool savedEmpty = false;
        std::string failure;
        BestTimesWindow w(times, "Lake.jpg", messages,
                          [&](const BestTimes& saved, std::string& error) {
                              ++saves;
                              savedEmpty = saved.empty();
                              error = failure;
                              return failure.empty();
                          });
        w.show();
        auto* clear = w.findChild<QPushButton*>(QStringLiteral("clearButton"));
        QVERIFY(clear && clear->isEnabled());

        messages.answers = {MessageResult::No};
        clear->click();
        QCOMPARE(int(messages.shown.size()), 1);
        QCOMPARE(messages.shown[0].buttons, MessageButtons::YesNo);
        QCOMPARE(times.size(), std::size_t(5));
        QCOMPARE(w.table()->rowCount(), 5);
        QCOMPARE(saves, 0);

        failure = "No space left on device";
        messages.answers = {MessageResult::Yes};
        clear->click();
        QVERIFY(times.empty());
        QCOMPARE(w.table()->rowCount(), 0);
        QVERIFY(!clear->isEnabled());
        QCOMPARE(saves, 1);
        QVERIFY(savedEmpty);
        QCOMPARE(int(messages.shown.size()), 3);
        QVERIFY(messages.shown[2].text.find("No space left on device") != std::string::npos);
    }
};

QTEST_MAIN(BestTimesWindowTest)
#include "test_best_times_window.moc"
