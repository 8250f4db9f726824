#pragma once

#include "settingspage.h"
#include "ui_otherspage.h"

// "Others": six modules that have nothing to set but whether they are
// loaded: assoc, blowfish, seen, uptime, wire and woobie.
class OthersPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit OthersPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::OthersPage ui;
};
