#pragma once

#include "settingspage.h"
#include "ui_dnsctcppage.h"

// "Dns/Ctcp": the dns module, and the ctcp module with its answering mode.
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
