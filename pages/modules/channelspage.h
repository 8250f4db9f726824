#pragma once

#include "settingspage.h"
#include "ui_channels2page.h"
#include "ui_channelspage.h"

// "Channels" and "Channels #2": the channels module, the global channel
// defaults and the flags every channel starts with.
class ChannelsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit ChannelsPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::ChannelsPage ui;
    Ui::Channels2Page ui2;
};
