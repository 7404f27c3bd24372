// The query button and the runs it starts: a single run for the number in NumberBox, a batch
// run for the numbers in BatchNumberBox, and the full steps of one batch row.
#pragma once

void OnQueryButton();
void ViewParcelSteps();
