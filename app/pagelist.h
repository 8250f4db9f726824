#pragma once

#include <QList>

class QObject;
class SettingsPage;

// The table of contents of the main window and of the configuration file:
// every settings page, in the order of the tabs, which is also the order of
// the sections in the file. Pages placed on the Modules page become its
// sub-pages, in the same order.
QList<SettingsPage *> createSettingsPages(QObject *owner);
