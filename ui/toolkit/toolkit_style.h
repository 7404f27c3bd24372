// Fits the toolkit's drawing to the window's fixed pixel layout.
#pragma once

// Call once after the toolkit has started and before any window is made.
void FitToolkitStyleToLayout();
