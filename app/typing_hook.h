#pragma once

class TMainForm;

// For tests that kill the running program: when MARQUILL_TEST_TYPE is set,
// its text is typed into the active document window, key by key as a user
// types, once the event loop runs. Without it nothing happens.
void typeTestTextFromEnvironment(TMainForm &mainForm);
