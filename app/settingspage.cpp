#include "settingspage.h"

QWidget *SettingsPage::addSheet()
{
    // Made inside the main window, so that its controls get the window's font
    // from the start: a sheet made on its own would lay out every caption and
    // edit in the application font first, then again in the window's when it
    // joins a tab widget. The tab widget it is added to takes it over.
    auto *sheet = new QWidget(qobject_cast<QWidget *>(parent()));
    m_sheets.append(sheet);
    return sheet;
}
