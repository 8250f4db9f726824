#include "transferpage.h"

#include "linewriter.h"

TransferPage::TransferPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void TransferPage::emitSection(LineWriter &) const
{
}
