#pragma once

#include "settingspage.h"
#include "ui_consolemodulepage.h"

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
