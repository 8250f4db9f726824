#include "botnetpage.h"

#include "linewriter.h"

BotnetPage::BotnetPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void BotnetPage::emitSection(LineWriter &) const
{
}
