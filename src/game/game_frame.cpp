// The game window's frame: loading, the intro set-up, layout on resize, screen sizes, keys,
// focus and the exit question.
#include <array>
#include <optional>

#include "game/game.h"
#include "game/sizes.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/picture_clip.h"
#include "platform/sound_device.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

struct ScreenSize {
    double width;
    double height;
    std::optional<Single> picture1Height;   // the auxiliary box keeps its height for 0 and 1
};

constexpr std::array<ScreenSize, 6> kScreenSizes{{
    {9550, 6750, std::nullopt},
    {10753, 7600, std::nullopt},
    {11971, 8465, 7715},
    {15277, 10800, 10050},
    {17221, 12175, 11425},
    {19100, 13505, 12755},
}};

void placeGameArea(GameForm& g, double widthMargin)
{
    g.Picture2.Width = static_cast<Single>(g.Window.Width - widthMargin);
    g.Picture2.Height = static_cast<Single>(g.Window.Height - 600);
    g.Picture2.Top = 20;
    g.Picture2.Left = 20;
    g.Shape6.Width = g.Picture2.Width;
    g.Shape6.Height = g.Picture2.Height;
    g.Shape6.Top = g.Picture2.Top;
    g.Shape6.Left = g.Picture2.Left;
}

// Adds to a 16-bit count without wrapping: a key held for minutes stops growing at the top.
std::int16_t addSaturated(std::int16_t value, int amount)
{
    return toInt16Saturated(static_cast<double>(value) + amount);
}

} // namespace

void Game::Form_Load()
{
    if (!fileExists(program.SettingsFolder + "/last.txt"))
        menus_.items_.mnuRestore.Enabled = false;
    menus_.items_.mnuSave.Enabled = false;

    counters_.resetHints();
    GameState = State::IntroPending;
    board_.forgetPieces();
    HintsShown = false;
    SizeCount = 0;

    program.PlayMode = Mode::Puzzle;

    // LayoutRequested is clear while loading, so taking the stored geometry lays nothing out.
    Window = program.Window;
    changed(GameChange::WindowGeometry);
    placeGameArea(*this, 90);

    // The Picture menu holds exactly one item per list entry (none for an empty list).
    showPictureList();

    Picture2.Visible = false;
    Image1.Visible = false;
    Shape1.Visible = false;
    setCaption(translate("Game", "Welcome to Quiltra v1.3"));
    introRunning = true;
    services.clip->loadIntro();
}

void Game::intro()
{
    // The intro picture is cut into a fixed 4 x 4 grid.
    PictureRequest introPicture;
    introPicture.grid = Grid{4, 4};
    takePictureIntoPlay(introPicture);
    StartNewGame();
    Picture2.Visible = true;
    Image1.Visible = false;
    Shape1.Visible = false;
    GameState = State::IntroBuilt;

    processEvents();
    GameState = State::IntroReassembling;
    IntroClock = now() + 0.6;
    if (menus_.items_.SndInt.Checked)
        runCue(*services.sound, {.open = SoundEffect::Intro, .rewind = true, .play = true});
}

void Game::setWindowWidth(double width)
{
    if (width == Window.Width)
        return;
    Window.Width = width;
    changed(GameChange::WindowGeometry);
    Form_Resize(false);
}

void Game::setWindowHeight(double height)
{
    if (height == Window.Height)
        return;
    Window.Height = height;
    changed(GameChange::WindowGeometry);
    Form_Resize(false);
}

// Minimising pauses the clock and nothing else; restoring does not resume it. Any other resize
// lays the game area out only when the program itself asked for it (LayoutRequested).
void Game::Form_Resize(bool minimised)
{
    if (minimised) {
        pauseClock();
        return;
    }
    if (!LayoutRequested)
        return;

    LayoutRequested = false;
    const bool wasVisible = WindowVisible;
    WindowVisible = false;

    program.Window = Window;

    placeGameArea(*this, 150);

    // The whole picture is fitted again from its natural size, by the same rule as a new
    // picture, and centred on the new window.
    Image1.Visible = false;
    const FittedPicture fitted =
        fitPicture(static_cast<Single>(services.clip->pixelWidth() * kTwipsPerPixel),
                   static_cast<Single>(services.clip->pixelHeight() * kTwipsPerPixel),
                   Picture2.Width, Picture2.Height, static_cast<Single>(Window.Width),
                   static_cast<Single>(Window.Height));
    Image1.Width = fitted.Width;
    Image1.Height = fitted.Height;
    Image1.Top = fitted.Top;
    Image1.Left = fitted.Left;

    Shape1.Visible = false;
    Shape1.Width = Image1.Width + 30;
    Shape1.Height = Image1.Height + 30;
    Shape1.Left = Image1.Left - 15;
    Shape1.Top = Image1.Top - 15;
    Image1.Visible = true;
    Shape1.Visible = true;

    Divide_Pic2();
    WindowVisible = wasVisible;
}

void Game::mnuScreen_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(kScreenSizes.size()))
        return;
    const ScreenSize& size = kScreenSizes[static_cast<std::size_t>(index)];
    resizeWindow(size.width, size.height, size.picture1Height);
}

void Game::resizeWindow(double width, double height, std::optional<Single> picture1Height)
{
    LayoutRequested = false;
    const bool widthChanged = width != Window.Width;
    setWindowWidth(width);
    if (picture1Height) {
        Picture1.Width = static_cast<Single>(Window.Width - 100);
        Picture1.Height = *picture1Height;
    }
    LayoutRequested = true;
    if (height != Window.Height)
        setWindowHeight(height);
    else if (widthChanged)
        // Same height, new width: no resize event from the height, yet the game area must
        // follow the new width.
        Form_Resize(false);
    LayoutRequested = false;
}

void Game::windowResized(double width, double height) { resizeWindow(width, height); }

void Game::keyDown(int keyCode)
{
    // A key during Solve only stops it.
    if (stopSolveByPlayer())
        return;
    if (keyCode == Key::Plus || keyCode == Key::Minus) {
        // Auto-repeat while the key is held makes the step grow.
        ResizeSteps = addSaturated(ResizeSteps, 10);
        return;
    }
    if ((keyCode == Key::P || keyCode == Key::F1) && !clock_.paused())
        pauseClock();
    else if (clock_.paused())
        resumeClock();

    if (keyboardPlay(keyCode))
        return;
    if (keyCode == Key::Left || keyCode == Key::Up || keyCode == Key::Right ||
        keyCode == Key::Down)
        arrowSlide(keyCode);
}

void Game::keyUp(int keyCode)
{
    if (keyCode == Key::Plus) {
        LayoutRequested = false;
        setWindowWidth(Window.Width + static_cast<Single>(ResizeSteps * program.WindowAspect));
        LayoutRequested = true;
        setWindowHeight(Window.Height + ResizeSteps);
        ResizeSteps = 0;
        LayoutRequested = false;
    } else if (keyCode == Key::Minus) {
        if (Window.Height > kSmallestWindowHeight) {
            if (Window.Height - ResizeSteps < kSmallestWindowHeight)
                ResizeSteps = toInt16Saturated(Window.Height - kSmallestWindowHeight);
            LayoutRequested = false;
            setWindowWidth(Window.Width - static_cast<Single>(ResizeSteps * program.WindowAspect));
            LayoutRequested = true;
            setWindowHeight(Window.Height - ResizeSteps);
            LayoutRequested = false;
        }
        ResizeSteps = 0;
    }
}

void Game::lostFocus() { pauseClock(); }

// The window closes the About window when it regains the focus; the game itself changes nothing,
// and the clock resumes only by a key or by play.
void Game::gainedFocus() {}

bool Game::closeRequest()
{
    const MessageResult answer =
        services.messages->show(translate("Game", "Are you sure you want to exit the program?"),
                                "Quiltra",
                                MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageResult::Yes) {
        runCue(*services.sound, {.close = true});
        // The move sound is opened again at once, so the next move sounds as before.
        prepareMoveSound();
        return false;
    }
    program.ExitSaving = true;
    program.Window = Window;
    return true;
}

void Game::windowMoved(double left, double top)
{
    Window.Left = left;
    Window.Top = top;
    program.Window.Left = left;
    program.Window.Top = top;
}

} // namespace quiltra
