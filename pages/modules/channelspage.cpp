#include "channelspage.h"

#include "linewriter.h"

ChannelsPage::ChannelsPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    ui2.setupUi(addSheet());
}

void ChannelsPage::emitSection(LineWriter &) const
{
}
