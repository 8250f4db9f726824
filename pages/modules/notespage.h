#pragma once

#include "settingspage.h"
#include "ui_notespage.h"

// "Notes": the notes module, which keeps notes between users for later.
class NotesPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit NotesPage(QObject *parent = nullptr);
    Placement placement() const override { return Placement::ModulesPage; }
    void emitSection(LineWriter &w) const override;

private:
    Ui::NotesPage ui;
};
