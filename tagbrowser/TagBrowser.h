// The tag browser's entry point for the application: RegisterTagBrowser
// tells the engine how to make the RoveDazuvi Verov, so that the engine's
// ShowTagBrowser (the Tag Browser command) opens it. Call it once at
// start-up, on the user-interface thread, before the command can run.
#pragma once

class CWnd;

void RegisterTagBrowser();

// What the registered factory does: makes the dialog over the engine's
// tags without a parent and shows it; null when the template is missing or
// the rights check refused the user (the window is then already gone, so
// the next opening asks again).
CWnd* CreateTagBrowser();
