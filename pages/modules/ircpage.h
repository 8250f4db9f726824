#pragma once

#include "settingspage.h"
#include "ui_irc2page.h"
#include "ui_ircpage.h"

class ServerPage;

// "Irc" and "Irc #2": the irc module, its message commands, and the
// settings that belong to IRCnet (net-type 1) or to other networks
// (net-type 5).
class IrcPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit IrcPage(const ServerPage &server, QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    const ServerPage &m_server;
    Ui::IrcPage ui;
    Ui::Irc2Page ui2;
};
