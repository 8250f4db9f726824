#include "filesystempage.h"

#include "linewriter.h"

FileSystemPage::FileSystemPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void FileSystemPage::emitSection(LineWriter &) const
{
}
