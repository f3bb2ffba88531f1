#include "platform/ui/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/translation.h"

namespace quiltra {

namespace {

QTranslator* ownTexts = nullptr;
QTranslator* qtTexts = nullptr;

std::string viaQt(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

void drop(QTranslator*& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
}

} // namespace

QString translationsFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}

QString loadPlayerLanguage(const QString& programFolder, const QStringList& languages)
{
    unloadPlayerLanguage();
    const QString folder = translationsFolder(programFolder);
    for (const QString& language : languages) {
        const QLocale locale(language);
        // "C" and English keep the source texts.
        if (locale.language() == QLocale::C || locale.language() == QLocale::English)
            return {};
        const QString name = QLocale::languageToCode(locale.language());
        auto translator = new QTranslator;
        if (!translator->load(QStringLiteral("quiltra_") + name, folder)) {
            delete translator;
            continue;
        }
        ownTexts = translator;
        QCoreApplication::installTranslator(ownTexts);
        // Qt's own dialogs (the colour dialog) in the same language, when the system has them.
        qtTexts = new QTranslator;
        if (qtTexts->load(QStringLiteral("qtbase_") + name,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts);
        else
            drop(qtTexts);
        installTranslator(&viaQt);
        return name;
    }
    return {};
}

void unloadPlayerLanguage()
{
    installTranslator(nullptr);
    drop(ownTexts);
    drop(qtTexts);
}

} // namespace quiltra
