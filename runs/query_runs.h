// The query button and the runs it starts: a single run for the number in NumberBox, a batch
// run for the numbers in BatchNumberBox, and the full steps of one batch row.
#pragma once

// The click of QueryButton, on the user-interface thread: resolves the chosen courier into
// CurrentTypeCode, then starts one worker (a single run on page 0 of ResultPages, a batch run
// on any other page) unless there is nothing to query. Returns at once.
void OnQueryButton();

// The menu item "查看快件流程" of BatchResultMenu, on the user-interface thread, once the
// window has switched to single mode: fills SingleResultList with the steps of the selected
// batch row's number. Waits for the service's answer.
void ViewParcelSteps();
