#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of message boxes, the file dialogs) in Dutch, like the rest of the
// program, when the desktop has Qt's Dutch translations.
void InstallDutchTexts(QCoreApplication& app);
