// The main window as data: its control, item, column, menu and event tables, and its start.
#pragma once

#include "toolkit/layout_table.h"

// The layout of MainWindow.
const WindowLayout& MainWindowLayout();

// Runs once when MainWindow and all its controls exist, before it takes user input: places the
// pages, fills the courier lists and builds the status bar.
void InitMainWindow();
