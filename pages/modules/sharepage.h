#pragma once

#include "settingspage.h"
#include "ui_sharepage.h"

class SharePage : public SettingsPage
{
    Q_OBJECT
public:
    explicit SharePage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::SharePage ui;
};
