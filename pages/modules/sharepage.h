#pragma once

#include "settingspage.h"
#include "ui_sharepage.h"

// "Share": the share module, which shares the user file between two directly
// linked bots. Its load box also decides whether its settings are live.
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
