#include "dnsctcppage.h"

#include "linewriter.h"

DnsCtcpPage::DnsCtcpPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

// The mode is written live even when the ctcp module is not loaded: only
// the load line is commented out.
void DnsCtcpPage::emitSection(LineWriter &w) const
{
    w.moduleBanner("DNS");
    w.load(ui.CheckBox73, "dns");
    w.moduleBanner("CTCP");
    w.load(ui.CheckBox74, "ctcp");
    w.spaced("set ctcp-mode " + ui.Edit80->text());
}
