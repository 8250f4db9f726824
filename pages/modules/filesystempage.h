#pragma once

#include "settingspage.h"
#include "ui_filesystempage.h"

// "File System": the file system module, a file area that makes the bot a
// file server.
class FileSystemPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit FileSystemPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::FileSystemPage ui;
};
