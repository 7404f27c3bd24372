// The main window as data: its control, item, column, menu and event tables.
#pragma once

#include "toolkit/layout_table.h"

// The layout of MainWindow.
const WindowLayout& MainWindowLayout();
