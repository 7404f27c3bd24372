#include "runs/query_runs.h"

void OnQueryButton() {}

void ViewParcelSteps() {}
