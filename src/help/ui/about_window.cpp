// The About window (About): name, version, credits, warning and the terms of use.
#include "help/ui/about_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "game/game.h"
#include "platform/message_box.h"
#include "platform/translation.h"
#include "platform/window_units.h"

namespace quiltra {

namespace {

// Client area 7950 x 4005 twips; the outer size adds the nominal frame of a window without a
// menu bar: 4-pixel borders and a 22-pixel title bar.
constexpr double kClientWidth = 7950, kClientHeight = 4005;
constexpr double kOuterWidth = kClientWidth + kFrameWidthTwips;
constexpr double kOuterHeight = kClientHeight + kDialogFrameHeightTwips;

QPointer<AboutWindow>& openWindow()
{
    static QPointer<AboutWindow> window;
    return window;
}

// The texts below are English; the window shows them translated.
//: Fills a box of fixed size beside the "Warning" title: keep about the English length.
const char* const kWarning = QUILTRA_TRANSLATABLE("About",
    "Unauthorised reproduction or distribution of this program, or of any part of it, is "
    "unlawful and may be prosecuted.");

//: A box of fixed size in small print: keep about the English length and every name as it is.
const char* const kCredits = QUILTRA_TRANSLATABLE("About",
    "Program by the Quiltra developers.\n"
    "Pictures by NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, "
    "Aitzol Berasategi, Trevor \"Freespace\", Jakkub Mede, \"Bolly\", Lukas Baubkus, Ian Hex, "
    "Dmitri Popov, Martin Klapetek and Risto Saukonp\u00e4\u00e4; see CREDITS.md.");

} // namespace

const char* const AboutWindow::kLicenseText = QUILTRA_TRANSLATABLE("About",
    "This program is provided \"as is\", without warranty of any kind, express or implied. "
    "In no event shall the author be liable for any damages whatsoever arising out of the use "
    "of this program or the inability to use it.\n\n"
    "You may install and use one copy of this program on one computer at a time. You may not "
    "sell, rent, lease or distribute copies of the program, in whole or in part, or change it "
    "without the author's written permission.");

AboutWindow* AboutWindow::current() { return openWindow().data(); }

AboutWindow* AboutWindow::showFor(QWidget& parent, const Game& game, MessageBoxes* messages)
{
    QPointer<AboutWindow>& w = openWindow();
    if (!w)
        w = new AboutWindow(parent, game, messages);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void AboutWindow::closeOpen()
{
    if (AboutWindow* w = openWindow().data())
        w->close();
}

AboutWindow::AboutWindow(QWidget& parent, const Game& game, MessageBoxes* messages)
    : QWidget(&parent, Qt::Dialog), messages_(messages)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QCoreApplication::translate("About", "About Quiltra"));
    setAttribute(Qt::WA_DeleteOnClose);
    Form_Load(game);
}

void AboutWindow::Form_Load(const Game& g)
{
    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    left_ = (g.form().Window.Width - kOuterWidth) / 2 + g.form().Window.Left;
    top_ = (g.form().Window.Height - kOuterHeight) / 2 + g.form().Window.Top;
    move(pixels(left_), pixels(top_));

    const QString family = QApplication::font().family();
    auto label = [this, &family](const char* name, const QString& text, int left, int top,
                                 int width, int height, double points, bool bold,
                                 bool italic = false) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        QFont f(family);
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setItalic(italic);
        l->setFont(f);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
        return l;
    };
    // The product's name stays as it is in every language.
    label("Label1", QStringLiteral("Quiltra"), 960, 360, 1695, 375, 13.5, true, true);
    // The version line is one line: it keeps its design place and takes the width it needs.
    //: One line, left of the divider in the middle of the window.
    QLabel* version =
        label("Label2", QCoreApplication::translate("About", "Version 1.3, requires Windows 95"),
              360, 840, 3495, 375, 9.75, true);
    version->setWordWrap(false);
    version->resize(std::max(version->width(), version->sizeHint().width()), version->height());
    label("Credits", QString::fromStdString(translateStored("About", kCredits)), 360, 1320, 3600,
          1920, 8, false);
    label("Label8", QCoreApplication::translate("About", "Warning"), 5040, 600, 975, 375, 12, true)
        ->adjustSize();
    label("Label6", QString::fromStdString(translateStored("About", kWarning)), 4680, 1080, 2895,
          1695, 9.75, true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(pixels(4200) - 1, pixels(120), 3, pixels(3960 - 120));

    auto button = [this](const char* name, const QString& text, int left, int top, int width,
                         int height) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
        return b;
    };
    //: A small button.
    QPushButton* okay =
        button("Command1", QCoreApplication::translate("About", "Okay"), 1560, 3360, 975, 375);
    connect(okay, &QPushButton::clicked, this, &QWidget::close);
    okay->setDefault(true);
    //: A button about twice as wide as "Okay".
    QPushButton* terms = button(
        "Command2", QCoreApplication::translate("About", "License Agreement"), 5160, 3360, 1815, 375);
    connect(terms, &QPushButton::clicked, this, &AboutWindow::Command2_Click);
}

void AboutWindow::Command2_Click()
{
    if (messages_)
        messages_->show(translateStored("About", kLicenseText),
                        translate("About", "Quiltra License Agreement"), MessageButtons::Ok);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    if (openWindow() == this)
        openWindow() = nullptr;
    QWidget::closeEvent(event);
}

} // namespace quiltra
