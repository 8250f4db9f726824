#pragma once

#include "settingspage.h"
#include "ui_transferpage.h"

// "Transfer/Compress": DCC file transfers, and compressing the shared user
// file.
class TransferPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit TransferPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::TransferPage ui;
};
