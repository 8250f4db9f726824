#pragma once

#include "settingspage.h"
#include "ui_advancedpage.h"

// "Advance": the bot's owners, general values, the partyline commands it
// keeps, a few switches, and three optional network settings (reserved DCC
// ports, a firewall, an outside address behind NAT).
class AdvancedPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit AdvancedPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

    void CheckBox25Click();
    void CheckBox26Click();
    void CheckBox27Click();

private:
    Ui::AdvancedPage ui;
};
