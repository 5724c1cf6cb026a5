#pragma once
// The translations for the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them): Velmar's
// own words and Qt's for its standard buttons and dialogs. English, as written, where none is found.

class QCoreApplication;

namespace velmar {

void LoadTranslations(QCoreApplication& app);

} // namespace velmar
