#include "settingspage.h"

QWidget *SettingsPage::addSheet()
{
    // The sheet is parented by the tab widget it is added to.
    auto *sheet = new QWidget;
    m_sheets.append(sheet);
    return sheet;
}
