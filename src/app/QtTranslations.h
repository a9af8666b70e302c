#pragma once

class QCoreApplication;

// Qt's own words (the buttons of every question, the file and print dialogs)
// in Dutch, like the program's own texts. False when Qt's Dutch translations
// are not installed; the program then goes on with Qt's English words.
bool installDutchQtTranslations(QCoreApplication& app);
