#pragma once
// UI_TEXT marks a text a person reads in the windows: scripts/translations
// collects every marked text (and every Ui("...") of the windows) into the
// translation files, and the windows show it in the language of the run
// (qtcore/translation.h). The text itself stays the English one: what goes
// to the device, into files or out of the command-line tool never changes.
#define UI_TEXT(text) text
