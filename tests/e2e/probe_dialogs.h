// The probe's dialog verbs (dialog, press, settext, check, lvcheck, lvdblclick, lbselect,
// cbselect, dlgkey), each naming the dialog by its caption. Reads the wide command line, so
// captions and texts arrive whatever the console's code page.
#pragma once

// The verb's exit code, or -1 when the command line names no dialog verb.
int RunDialogVerb();
