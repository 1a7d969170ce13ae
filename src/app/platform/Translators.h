// The language of the desktop program, chosen at start-up before any window exists: the
// user's locale, or the configuration's setting [System] Language=ja|en. English loads the
// program's translation (qorgallery_en.qm); Japanese loads Qt's own Japanese texts for its
// standard dialogs. The message table follows the same choice.
#pragma once

#include "util/UiLanguage.h"

#include <QString>

class QApplication;

namespace qor {

// Chooses the language and installs the translators into app; answers the language.
TUiLanguage InstallTranslators(QApplication& app);
// The same with the setting given ("ja", "en" or empty for the locale's) and the folder of
// the .qm files. Calling it again replaces the translators of the earlier call.
TUiLanguage InstallTranslators(QApplication& app, const QString& setting, const QString& folder);

// The folder holding the program's .qm files: translations/ beside the program, else the
// installed share/qorgallery/translations/.
QString TranslationsFolder();

} // namespace qor
