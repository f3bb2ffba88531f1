// Entry point: start-up runs once, then the game window's events drive the program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/ui/native_path.h"
#include "platform/ui/qt_translation.h"
#include "platform/translation.h"
#include "startup/command_line.h"
#include "startup/ui/startup.h"

int main(int argc, char** argv)
{
    // Options are read before any window exists, so --help works without a display.
    const quiltra::CommandLine line =
        quiltra::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case quiltra::CommandLine::Action::Help:
    case quiltra::CommandLine::Action::Version:
        std::fputs(line.message.c_str(), stdout);
        return 0;
    case quiltra::CommandLine::Action::Error:
        std::fputs(line.message.c_str(), stderr);
        return quiltra::kUsageExitCode;
    case quiltra::CommandLine::Action::Play:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quiltra"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    QApplication::setDesktopFileName(QStringLiteral("org.quiltra.Quiltra"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The texts in the player's language, before any window is built; files never depend on it.
    QStringList languages;
    for (const std::string& l :
         quiltra::preferredLanguages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                     std::getenv("LC_MESSAGES"), std::getenv("LANG")))
        languages << QString::fromStdString(l);
    quiltra::loadPlayerLanguage(QCoreApplication::applicationDirPath(), languages);
    // The program folder is where the executable lies, whatever the current directory.
    // A picture named on the command line is taken relative to the directory it was named in;
    // its name is bytes, whatever the locale.
    const QString picture = quiltra::absoluteNativePath(line.picture);
    quiltra::Program program(QCoreApplication::applicationDirPath(), nullptr, picture);
    return QApplication::exec();
}
