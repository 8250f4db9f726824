#pragma once

#include "settingspage.h"
#include "ui_botnetpage.h"

// "Botnet/Dcc/Telnet": the botnet nick, the listen ports, remote boots, and
// the protections and time-outs of DCC and telnet connections.
//
// Same/Different and the three remote-boots choices are two radio groups.
// Each is an explicit button group in the .ui: Qt's automatic exclusivity
// takes in every radio button below the same parent, nested panels included,
// so the listen panel alone would not keep the two choices apart.
class BotnetPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit BotnetPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

    void CheckBox8Click();
    void RadioButton1Click();
    void RadioButton2Click();

private:
    Ui::BotnetPage ui;
};
