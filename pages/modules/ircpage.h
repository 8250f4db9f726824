#pragma once

#include "settingspage.h"
#include "ui_ircpage.h"
#include "ui_irc2page.h"

class ServerPage;

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
