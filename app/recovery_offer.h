#pragma once

class TMainForm;

// After a crash or a kill: one question naming the pages that run left
// unsaved. Yes opens each as a modified document under its old name, No
// discards them. Pages of a run that is still going are left to it; without
// any page nothing is asked.
void offerRecoveredPages(TMainForm &mainForm);
