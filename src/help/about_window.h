// The About window (About): the product's name and version, the credits, a warning against
// unauthorised copying, and the terms of use on request.
#pragma once

#include <QWidget>

class QPushButton;

namespace quiltra {

class GameWindow;
class MessageBoxes;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    // Help > About: opens the window centred over the game window (or brings the open one to the
    // front). It closes with "Okay", when the game window gets the focus again, and on a press
    // on the game area. The terms of use are shown through `messages`.
    static AboutWindow* showFor(GameWindow& game, MessageBoxes* messages);
    // Closes the open About window, if any.
    static void closeOpen();
    static AboutWindow* current();

    // The window's place in twips (outer frame), as it was centred.
    double LeftTwips() const { return left_; }
    double TopTwips() const { return top_; }

    // "License Agreement": the terms of use in a message box.
    void Command2_Click();

    // The terms of use shown by "License Agreement".
    static const char* const kLicenseText;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AboutWindow(GameWindow& game, MessageBoxes* messages);
    void Form_Load(GameWindow& game);

    MessageBoxes* messages_;
    double left_ = 0;
    double top_ = 0;
};

} // namespace quiltra
