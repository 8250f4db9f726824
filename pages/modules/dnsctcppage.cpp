#include "dnsctcppage.h"

#include "linewriter.h"

DnsCtcpPage::DnsCtcpPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void DnsCtcpPage::emitSection(LineWriter &) const
{
}
