#pragma once

#include "settingspage.h"
#include "ui_dnsctcppage.h"

class DnsCtcpPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit DnsCtcpPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::DnsCtcpPage ui;
};
