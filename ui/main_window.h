// The program's start-up and shutdown steps, and what the main window does once it has been
// created.
#pragma once

#include <string_view>

#include "text/text_ops.h"

class wxFrame;

// The exit routine: releases the courier catalogue and CurrentTypeCode. Running it again does
// nothing more.
void FreeProgramValues();

// Starting steps shared by the program and its window tests.
// Initialises the toolkit with a plain application object and silences its reports.
bool StartUserInterface(int& argc, char** argv);
// Builds MainWindow from its layout (running InitMainWindow), opens the query workers' bridge
// to it, centres and shows it, then starts fetching the presence picture on a worker (the
// picture shows when the fetch ends); nullptr when it cannot be created. Closing the window closes
// the bridge: pending operations are dropped and fetches aborted before any control goes away.
wxFrame* OpenMainWindow();
void EndUserInterface();
// Whether every query worker ended within the bridge's wait when the window last closed.
bool WorkersEndedAtLastClose();

// "运行时出错!", a blank line, then "错误信息：" followed by reason.
Text FatalErrorText(std::string_view reason);
