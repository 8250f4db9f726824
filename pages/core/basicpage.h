#pragma once

#include "settingspage.h"
#include "ui_basicpage.h"

// "Basic Settings": the bot's executable, identity, time zone, language and
// virtual host.
class BasicPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit BasicPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

    void CheckBox1Click();
    void CheckBox2Click();

private:
    Ui::BasicPage ui;
};
