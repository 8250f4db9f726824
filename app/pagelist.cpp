#include "pagelist.h"

#include "pages/core/advancedpage.h"
#include "pages/core/basicpage.h"
#include "pages/core/botnetpage.h"
#include "pages/core/consolefilespage.h"
#include "pages/core/logfilespage.h"
#include "pages/core/scriptspage.h"
#include "pages/modules/channelspage.h"
#include "pages/modules/consolemodulepage.h"
#include "pages/modules/dnsctcppage.h"
#include "pages/modules/filesystempage.h"
#include "pages/modules/ircpage.h"
#include "pages/modules/notespage.h"
#include "pages/modules/otherspage.h"
#include "pages/modules/serverpage.h"
#include "pages/modules/sharepage.h"
#include "pages/modules/transferpage.h"

QList<SettingsPage *> createSettingsPages(QObject *owner)
{
    auto *server = new ServerPage(owner);
    return {
        new BasicPage(owner),
        new LogFilesPage(owner),
        new ConsoleFilesPage(owner),
        new BotnetPage(owner),
        new AdvancedPage(owner),
        // the Modules page
        new ChannelsPage(owner),
        server,
        new DnsCtcpPage(owner),
        new IrcPage(*server, owner),
        new TransferPage(owner),
        new SharePage(owner),
        new FileSystemPage(owner),
        new NotesPage(owner),
        new ConsoleModulePage(owner),
        new OthersPage(owner),
        // last in the file as on the tabs
        new ScriptsPage(owner),
    };
}
