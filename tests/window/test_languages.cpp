// The program in each of its languages: every window's texts fit their places, each menu's
// access keys are unique, the title speaks the language, and the files the game writes keep the
// same bytes whatever the language.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>

#include "game/best_times.h"
#include "game/ui/best_times_window.h"
#include "game/ui/game_window.h"
#include "help/ui/about_window.h"
#include "help/ui/help_window.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/qt_translation.h"
#include "platform/translation.h"
#include "viewer/ui/picture_viewer.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

QString shownText(QString text)
{
    // "&&" shows one ampersand; a single "&" marks the access key and is not shown.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

bool inkless(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText).alpha() == 0;
}

// Every visible label, button and group title of `top` whose text is wider (or, wrapped, taller)
// than the place the window gives it, and every pair of single-line labels side by side on one
// line whose texts run into each other.
QStringList overflowing(QWidget* top)
{
    QStringList faults;
    struct Ink {
        QRect rect;
        QString text;
    };
    std::map<const QWidget*, std::vector<Ink>> inkByParent;
    for (QLabel* label : top->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(top) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QString text = label->text();
        const QRect room = label->contentsRect();
        const QFontMetrics fm(label->font());
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                faults << QStringLiteral("wrapped text too tall: ") + text.left(50);
            continue;
        }
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(shownText(line)));
        if (widest > room.width() + 1)
            faults << QStringLiteral("label too wide (%1 > %2): %3").arg(widest).arg(room.width()).arg(text);
        // A label that grows with its text must still end inside the window.
        const int right = label->mapTo(top, room.topLeft()).x() + std::min(widest, room.width());
        if (right > top->width() + 1)
            faults << QStringLiteral("label past the window's edge (%1 > %2): %3").arg(right).arg(top->width()).arg(text);
        if (!inkless(label) && !text.contains(QLatin1Char('\n')))
            inkByParent[label->parentWidget()].push_back(
                {QRect(label->geometry().topLeft(), QSize(std::min(widest, room.width()), label->height())),
                 text});
    }
    for (auto& [parent, inks] : inkByParent)
        for (std::size_t i = 0; i < inks.size(); ++i)
            for (std::size_t j = i + 1; j < inks.size(); ++j)
                if (std::abs(inks[i].rect.center().y() - inks[j].rect.center().y()) < 4 &&
                    inks[i].rect.left() < inks[j].rect.right() &&
                    inks[j].rect.left() < inks[i].rect.right() && inks[i].text != inks[j].text)
                    faults << QStringLiteral("labels overlap: ") + inks[i].text + QStringLiteral(" / ") +
                                  inks[j].text;
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(top) || button->text().isEmpty())
            continue;
        const int text = QFontMetrics(button->font()).horizontalAdvance(shownText(button->text()));
        // A check box or radio button also draws its indicator; a push button its frame.
        const int beside = qobject_cast<QPushButton*>(button) ? 0 : button->iconSize().width() + 4;
        if (text + beside > button->width())
            faults << QStringLiteral("button too narrow (%1 > %2): %3")
                          .arg(text + beside)
                          .arg(button->width())
                          .arg(button->text());
    }
    for (QGroupBox* box : top->findChildren<QGroupBox*>())
        if (box->isVisibleTo(top) &&
            QFontMetrics(box->font()).horizontalAdvance(shownText(box->title())) + 16 > box->width())
            faults << QStringLiteral("group title too wide: ") + box->title();
    return faults;
}

// The access key a text marks with a single "&", or none.
QChar accessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1];
        ++i;
    }
    return {};
}

// Menus whose items share an access key, and a menu bar that cannot show all its menus.
QStringList menuFaults(QMainWindow& window, bool translated)
{
    QStringList faults;
    const auto keyOf = [](const QString& text) -> QChar { return accessKey(text).toLower(); };
    const auto checkKeys = [&](const QList<QAction*>& actions, const QString& where) {
        std::map<QChar, QString> seen;
        for (QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QChar key = keyOf(a->text());
            if (key.isNull())
                continue;
            if (seen.count(key))
                faults << QStringLiteral("%1: \"%2\" and \"%3\" share a key").arg(where, seen[key], a->text());
            seen[key] = a->text();
        }
    };
    QMenuBar* bar = window.menuBar();
    // The English menus keep their keys as they always were; a translation gives each item its own.
    if (translated) {
        checkKeys(bar->actions(), QStringLiteral("menu bar"));
        for (QMenu* menu : window.findChildren<QMenu*>())
            checkKeys(menu->actions(), menu->title());
    }
    for (QAction* a : bar->actions())
        if (a->isVisible() && bar->actionGeometry(a).right() >= bar->width())
            faults << QStringLiteral("menu cut off: ") + a->text();
    return faults;
}

QStringList placeholders(const QString& text)
{
    QStringList out;
    static const QRegularExpression marker(QStringLiteral("%[0-9]"));
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        out << m.captured();
    out.sort();
    return out;
}

int spaces(const QString& text, bool leading)
{
    int n = 0;
    while (n < text.size() && text[leading ? n : text.size() - 1 - n] == QLatin1Char(' '))
        ++n;
    return n;
}

// What a translation must keep of its source: the values put into it, an access key when the
// source has one, and the spaces at either end, which the program's own spacing relies on.
QStringList translationFaults(const QString& tsFile)
{
    QStringList faults;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsFile};
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString t = xml.readElementText();
            const QString where = QFileInfo(tsFile).fileName() + QStringLiteral(": ") + source.left(40);
            if (t.isEmpty())
                faults << where + QStringLiteral(" (empty)");
            if (placeholders(t) != placeholders(source))
                faults << where + QStringLiteral(" (placeholders)");
            if (accessKey(source).isNull() != accessKey(t).isNull())
                faults << where + QStringLiteral(" (access key)");
            if (spaces(t, true) != spaces(source, true) || spaces(t, false) != spaces(source, false))
                faults << where + QStringLiteral(" (spaces at the ends)");
        }
    }
    if (xml.hasError())
        faults << tsFile + QStringLiteral(": ") + xml.errorString();
    if (messages == 0)
        faults << tsFile + QStringLiteral(": no texts");
    return faults;
}

QString programFolder() { return QStringLiteral(QUILTRA_PROGRAM_FOLDER); }

// "init.txt", "last.txt" and "times.txt" after the same short game, in one language.
std::map<QString, QByteArray> filesAfterAGame(const QString& language)
{
    if (!language.isEmpty() && loadPlayerLanguage(programFolder(), {language}).isEmpty())
        return {};
    std::map<QString, QByteArray> out;
    {
        ProgramRig rig({"Cat.jpg", "Fig.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        w.action("mnuPuz")->trigger();
        w.action("mnuHint")->trigger();
        rig.advance(3);
        w.action("mnuSave")->trigger();
        w.action("mnuSv")->trigger();
        // Hints to the finish, so that the result is recorded in "times.txt".
        for (int i = 0; i < 400 && rig.game().form().GameState == State::Playing; ++i)
            w.action("mnuHint")->trigger();
        rig.advance(3);
        for (const char* name : {"init.txt", "last.txt", "times.txt"}) {
            QFile f(rig.path(QLatin1String(name)));
            QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
            // Each game runs in its own temporary program folder.
            bytes.replace(QByteArray::fromStdString(rig.folder.path()), "<folder>");
            out[QLatin1String(name)] = bytes;
        }
    }
    unloadPlayerLanguage();
    return out;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { unloadPlayerLanguage(); }

    void theEnvironmentChoosesTheLanguage()
    {
        QCOMPARE(loadPlayerLanguage(programFolder(), {QStringLiteral("de_DE.UTF-8")}), QStringLiteral("de"));
        QCOMPARE(QString::fromStdString(translate("Menu", "&File")) == QStringLiteral("&File"), false);
        // A language without a translation falls through to the next one named.
        QCOMPARE(loadPlayerLanguage(programFolder(), {QStringLiteral("nl_NL"), QStringLiteral("fr")}),
                 QStringLiteral("fr"));
        QCOMPARE(loadPlayerLanguage(programFolder(), {QStringLiteral("es_ES.UTF-8@euro")}), QStringLiteral("es"));
        // English and unknown languages keep the source texts.
        QVERIFY(loadPlayerLanguage(programFolder(), {QStringLiteral("en_GB.UTF-8"), QStringLiteral("de")}).isEmpty());
        QCOMPARE(QString::fromStdString(translate("Menu", "&File")), QStringLiteral("&File"));
        QVERIFY(loadPlayerLanguage(programFolder(), {QStringLiteral("nl_NL")}).isEmpty());
        QCOMPARE(QString::fromStdString(translate("Menu", "&File")), QStringLiteral("&File"));
    }

    void translationsKeepValuesKeysAndSpacing()
    {
        QStringList faults;
        for (const char* language : {"de", "fr", "es"})
            faults += translationFaults(QStringLiteral(QUILTRA_SOURCE_FOLDER "/translations/quiltra_%1.ts")
                                            .arg(QLatin1String(language)));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyWindowFitsItsTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        QTest::newRow("de") << QStringLiteral("de");
        QTest::newRow("fr") << QStringLiteral("fr");
        QTest::newRow("es") << QStringLiteral("es");
    }

    void everyWindowFitsItsTexts()
    {
        QFETCH(QString, language);
        if (!language.isEmpty())
            QCOMPARE(loadPlayerLanguage(programFolder(), {language}), language);
        ProgramRig rig({"Cat.jpg", "Fig.jpg"});
        rig.finishIntro();
        GameWindow& game = rig.window();
        game.action("mnuPuz")->trigger();
        QStringList faults = menuFaults(game, !language.isEmpty()) + overflowing(&game);
        if (!language.isEmpty())
            QVERIFY2(rig.game().form().Caption.find("  Size: ") == std::string::npos, rig.game().form().Caption.c_str());

        game.action("mnuAbout")->trigger();
        QPointer<AboutWindow> about = AboutWindow::current();
        QVERIFY(about);
        faults += overflowing(about);
        about->close();

        game.action("mnuContents")->trigger();
        QPointer<HelpWindow> help = HelpWindow::current();
        QVERIFY(help);
        faults += menuFaults(*help, !language.isEmpty()) + overflowing(help);
        help->close();

        game.action("mnuOpen")->trigger();
        QPointer<OpenPictureWindow> open = rig.program->form10;
        QVERIFY(open);
        faults += overflowing(open);
        open->close();

        game.action("mnuEdit")->trigger();
        faults += overflowing(&rig.program->editor());
        rig.program->editor().close();

        QImage picture(2000, 1500, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        PictureViewer* viewer = rig.program->openViewer(ViewCaller::GameWindow, "test.jpg", picture,
                                                        picture.size(), &game);
        QVERIFY(viewer);
        faults += menuFaults(*viewer, !language.isEmpty()) + overflowing(viewer);
        viewer->action(QStringLiteral("mnuZoom"))->trigger();
        QVERIFY(viewer->zoomPanel()->isVisible());
        faults += overflowing(viewer);
        viewer->close();

        BestTimes times;
        times.record({"Cat.jpg", 4, 3, Mode::Puzzle, 75, 23, 0, "2024-05-01"});
        BestTimesWindow best(times, "Cat.jpg", rig.messages, {});
        best.show();
        faults += overflowing(&best);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void filesKeepTheirBytesInEveryLanguage()
    {
        const auto english = filesAfterAGame({});
        QCOMPARE(english.size(), std::size_t(3));
        for (const auto& [name, bytes] : english)
            QVERIFY2(bytes != "(none)", qPrintable(name));
        for (const char* language : {"de", "fr", "es"}) {
            const auto translated = filesAfterAGame(QLatin1String(language));
            QCOMPARE(translated.size(), std::size_t(3));
            for (const auto& [name, bytes] : english)
                QVERIFY2(translated.at(name) == bytes,
                         qPrintable(name + QLatin1Char(' ') + language + QLatin1Char('\n') +
                                    QString::fromUtf8(bytes) + QStringLiteral("\n---\n") +
                                    QString::fromUtf8(translated.at(name))));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
