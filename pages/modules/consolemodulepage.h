#pragma once

#include "settingspage.h"
#include "ui_consolemodulepage.h"

// "Console" of the Modules page: the console module, which stores each user's
// console settings. Its controls stand on TabSheet32 of the nested
// PageControl2, whose own tab row stays hidden.
class ConsoleModulePage : public SettingsPage
{
    Q_OBJECT
public:
    explicit ConsoleModulePage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::ConsoleModulePage ui;
};
