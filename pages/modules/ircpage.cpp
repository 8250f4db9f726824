#include "ircpage.h"

#include "linewriter.h"

IrcPage::IrcPage(const ServerPage &server, QObject *parent) : SettingsPage(parent), m_server(server)
{
    ui.setupUi(addSheet());
    ui2.setupUi(addSheet());
}

void IrcPage::emitSection(LineWriter &) const
{
}
