#include "advancedpage.h"

#include "linewriter.h"

AdvancedPage::AdvancedPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void AdvancedPage::emitSection(LineWriter &) const
{
}
