#pragma once

#include "listeditor.h"
#include "settingspage.h"
#include "ui_server2page.h"
#include "ui_serverpage.h"

// "Server" and "Server #2": the server module, the network type and the
// list of IRC servers.
class ServerPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit ServerPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void formShow() override;
    void emitSection(LineWriter &w) const override;

    // The network type, 0 to 5, in the order of the bot's net-type values.
    // The irc module's section reads it too.
    int networkType() const { return ui.ComboBox1->currentIndex(); }

    void Button8Click() { m_servers->add(); }
    void Button9Click() { m_servers->remove(); }
    void StringGrid4SelectCell(int column, int row) { m_servers->selectCell(column, row); }

private:
    // One row of the server list: its cells joined by ":", empty ones left out.
    QString serverEntry(int row) const;

    Ui::ServerPage ui;
    Ui::Server2Page ui2;
    ListEditor *m_servers;
};
