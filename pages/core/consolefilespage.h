#pragma once

#include "settingspage.h"
#include "ui_consolefilespage.h"

// "Console - Files/Directories": the default console mode, and the bot's
// files and directories.
class ConsoleFilesPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit ConsoleFilesPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

private:
    Ui::ConsoleFilesPage ui;
};
