#include "filesystempage.h"

#include "linewriter.h"

FileSystemPage::FileSystemPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void FileSystemPage::emitSection(LineWriter &w) const
{
    w.moduleBanner("FILESYSTEM");
    w.load(ui.CheckBox98, "filesys");
    w.spaced("set files-path \"" + ui.Edit97->text() + "\"");
    w.spaced("set incoming-path \"" + ui.Edit98->text() + "\"");
    w.spaced("set filedb-path \"" + ui.Edit99->text() + "\"");
    w.spaced("set max-file-users " + ui.Edit100->text());
    w.spaced("set max-filesize " + ui.Edit101->text());
    w.spacedFlag(ui.CheckBox99, "set upload-to-pwd");
}
