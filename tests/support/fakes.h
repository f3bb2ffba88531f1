// Scripted stand-ins for the platform: a clock moved by hand, a random source that replays
// draws, a sound device that records its commands, message boxes that answer from a script,
// a picture clip with a set natural size, and a colour dialog with a scripted answer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/board_layout.h"
#include "game/game.h"
#include "platform/clock.h"
#include "platform/color_dialog.h"
#include "platform/message_box.h"
#include "platform/picture_clip.h"
#include "platform/random_source.h"
#include "platform/sound_device.h"

namespace quiltra::test {

class FakeClock : public Clock {
public:
    double t = 1000.0;
    std::string date = "2024-05-17";
    double now() override { return t; }
    std::string today() override { return date; }
    void advance(double seconds) { t += seconds; }
};

// Replays scripted draws first, then a fixed linear-congruential sequence, so that tests are
// repeatable and never run out of draws.
class ScriptedRandom : public RandomSource {
public:
    std::deque<float> script;
    unsigned state = 12345;
    int seeds = 0;
    explicit ScriptedRandom(unsigned seed = 12345) : state(seed) {}
    void seedFromClock() override { ++seeds; }
    float next() override
    {
        if (!script.empty()) {
            const float v = script.front();
            script.pop_front();
            return v;
        }
        state = state * 1103515245u + 12345u;
        return static_cast<float>((state >> 8) & 0xFFFFFF) / 16777216.0f;
    }
};

class RecordingSound : public SoundDevice {
public:
    std::vector<std::string> log;   // "open intro" (move, finish, tone), "close", "prev", "play"
    void open(SoundEffect effect) override
    {
        static const char* const names[] = {"intro", "move", "finish", "tone"};
        log.push_back(std::string("open ") + names[static_cast<int>(effect)]);
    }
    void close() override { log.push_back("close"); }
    void rewind() override { log.push_back("prev"); }
    void play() override { log.push_back("play"); }
    int count(const std::string& entry) const
    {
        int n = 0;
        for (const auto& e : log)
            n += e == entry;
        return n;
    }
};

class ScriptedMessages : public MessageBoxes {
public:
    struct Shown {
        std::string text, title;
        MessageButtons buttons;
        MessageIcon icon;
    };
    std::vector<Shown> shown;
    std::deque<MessageResult> answers;   // answers to Yes/No questions; default Yes
    // Runs while a box is showing, as a real box's own event loop would (taking the focus...).
    std::function<void()> whileShown;
    MessageResult show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        if (whileShown)
            whileShown();
        if (buttons == MessageButtons::Ok)
            return MessageResult::Ok;
        if (answers.empty())
            return MessageResult::Yes;
        const MessageResult r = answers.front();
        answers.pop_front();
        return r;
    }
};

// Picture files by path with their pixel sizes; any other path fails to load.
class FakeClip : public PictureClip {
public:
    struct File {
        std::string path;
        int w, h;
    };
    std::vector<File> files;
    int introW = 573, introH = 367;
    int w = 0, h = 0;
    std::vector<std::string> loads;
    bool load(const std::string& path, std::string& error) override
    {
        loads.push_back(path);
        for (const auto& f : files)
            if (f.path == path) {
                w = f.w;
                h = f.h;
                return true;
            }
        error = "File not found";
        return false;
    }
    void loadIntro() override
    {
        w = introW;
        h = introH;
    }
    int pixelWidth() const override { return w; }
    int pixelHeight() const override { return h; }
};

class ScriptedColors : public ColorDialog {
public:
    std::deque<std::optional<std::uint32_t>> answers;
    int opened = 0;
    std::optional<std::uint32_t> choose() override
    {
        ++opened;
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A game with every service scripted. A rig that watches the picture clip hands the game a clip
// of its own (a FakeClip it derives) instead of `clip`; the game only stores its address, so the
// derived rig may build that clip after the game.
struct GameRig {
    ProgramState program;
    PictureList pictures;
    FakeClock clock;
    ScriptedRandom random;
    RecordingSound sound;
    ScriptedMessages messages;
    FakeClip clip;
    ScriptedColors colors;
    PictureClip* gameClip;
    Game game;

    explicit GameRig(PictureClip* ownClip = nullptr)
        : gameClip(ownClip ? ownClip : &clip), game(initProgram(program), pictures, services())
    {
    }

    GameServices services()
    {
        GameServices s;
        s.clock = &clock;
        s.random = &random;
        s.sound = &sound;
        s.messages = &messages;
        s.clip = gameClip;
        s.colors = &colors;
        return s;
    }
    static ProgramState& initProgram(ProgramState& p)
    {
        p.ProgramFolder = "/q";
        p.SettingsFolder = "/q";
        p.GraphicsFolder = "/q/Graphics";
        return p;
    }

    // The piece standing on cell c of a puzzle, 0 when none does.
    int pieceOn(int c) const
    {
        const CellGrid grid = game.board().cells();
        for (int k = 1; k <= game.board().pieceCount(); ++k)
            if (grid.cellAt(game.board().piece(k).Left, game.board().piece(k).Top) == c)
                return k;
        return 0;
    }
    // Swaps every piece of a puzzle home, the last swap `seconds` after the first click.
    void swapAllHome(double seconds)
    {
        bool first = true;
        for (int c = 1; c <= game.board().pieceCount(); ++c) {
            if (pieceOn(c) == c)
                continue;
            game.image2_Click(c);
            if (first) {
                clock.advance(seconds);
                game.Timer1_Timer();
                first = false;
            }
            game.image2_Click(pieceOn(c));
        }
    }
};

} // namespace quiltra::test
