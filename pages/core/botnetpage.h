#pragma once

#include "settingspage.h"
#include "ui_botnetpage.h"

class BotnetPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit BotnetPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

private:
    Ui::BotnetPage ui;
};
