#include "otherspage.h"

#include "linewriter.h"

OthersPage::OthersPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void OthersPage::emitSection(LineWriter &) const
{
}
