#pragma once

#include "settingspage.h"
#include "ui_advancedpage.h"

class AdvancedPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit AdvancedPage(QObject *parent = nullptr);
    void emitSection(LineWriter &w) const override;

private:
    Ui::AdvancedPage ui;
};
