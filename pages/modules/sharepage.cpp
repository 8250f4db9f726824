#include "sharepage.h"

#include "linewriter.h"

SharePage::SharePage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void SharePage::emitSection(LineWriter &) const
{
}
