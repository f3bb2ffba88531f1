// The About window (About): the product's name and version, the credits, a warning against
// unauthorised copying, and the terms of use on request.
#pragma once

#include <QWidget>

class QPushButton;

namespace quiltra {

class Game;
class MessageBoxes;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    // Help > About: opens the window centred over the game's window `parent` (or brings the open
    // one to the front). It closes with "Okay"; the program closes it when the player turns back
    // to the game window. The terms of use are shown through `messages`.
    static AboutWindow* showFor(QWidget& parent, const Game& game, MessageBoxes* messages);
    // Closes the open About window, if any.
    static void closeOpen();
    static AboutWindow* current();

    // The window's place in twips (outer frame), as it was centred.
    double LeftTwips() const { return left_; }
    double TopTwips() const { return top_; }

    // "License Agreement": the terms of use in a message box.
    void Command2_Click();

    // The terms of use shown by "License Agreement", in English.
    static const char* const kLicenseText;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as "Okay" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    AboutWindow(QWidget& parent, const Game& game, MessageBoxes* messages);
    void Form_Load(const Game& game);

    MessageBoxes* messages_;
    double left_ = 0;
    double top_ = 0;
};

} // namespace quiltra
