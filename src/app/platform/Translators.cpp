#include "app/platform/Translators.h"

#include "util/XEInitPrj.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <vector>

namespace qor {

namespace {

// The configuration file's language setting, read before the rest of the configuration.
QString ConfiguredLanguage()
{
    std::string ini = Folders().IniFolder + TXEInitPrj::MainProjectName + ".ini";
    QSettings settings(QString::fromStdString(ini), QSettings::IniFormat);
    return settings.value(QStringLiteral("System/Language")).toString();
}

// The translators installed by the last choice, removed when the choice is made again.
std::vector<QTranslator*>& Installed()
{
    static std::vector<QTranslator*> installed;
    return installed;
}

void Install(QApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return;
    }
    QApplication::installTranslator(translator);
    Installed().push_back(translator);
}

void RemoveInstalled()
{
    for (QTranslator* translator : Installed()) {
        QApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
}

} // namespace

QString TranslationsFolder()
{
    QDir beside(QCoreApplication::applicationDirPath());
    if (beside.exists(QStringLiteral("translations")))
        return beside.filePath(QStringLiteral("translations"));
    return QDir::cleanPath(beside.filePath(QStringLiteral("../share/qorgallery/translations")));
}

TUiLanguage InstallTranslators(QApplication& app)
{
    return InstallTranslators(app, ConfiguredLanguage(), TranslationsFolder());
}

TUiLanguage InstallTranslators(QApplication& app, const QString& setting, const QString& folder)
{
    TUiLanguage language = ChooseUiLanguage(setting.toStdString(), LanguageOfEnvironment());
    SetUiLanguage(language);
    RemoveInstalled();
    // Our source texts are Japanese and Qt's are English: each language needs one of them.
    if (language == TUiLanguage::English)
        Install(app, QStringLiteral("qorgallery_en"), folder);
    else
        Install(app, QStringLiteral("qtbase_ja"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace qor
