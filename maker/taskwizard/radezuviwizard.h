/*
 * Radezuvi task wizard: C interface of libradezuviwizard.so.
 *
 * The wizard edits one task (operation, card, channels, rates and the other settings of its
 * operation, description) and saves it through the task engine's task-file writer. The test panel
 * runs a loaded task on the engine and shows what it produces.
 *
 * Threads: call these functions on the user-interface thread of a Qt application that is already
 * running (a QApplication must exist in the calling process). Every window they show is modal and
 * closed before the call returns. Without a QApplication nothing is shown and the calls return
 * their "nothing done" result.
 *
 * Paths are UTF-8, NUL-terminated and held whole (no length limit).
 */
#ifndef RADEZUVI_WIZARD_H
#define RADEZUVI_WIZARD_H

#include <stdint.h>

#if defined(__GNUC__)
#define RADEZUVI_WIZARD_API __attribute__((visibility("default")))
#else
#define RADEZUVI_WIZARD_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Runs the wizard for a new task. suggestedPath proposes the task file (for example
 * "<task folder>/DAQ_File.tsk"); the user may give the task another file name in the same folder.
 * An existing file is only replaced after the user agreed to it; answering "No" keeps the file and
 * returns to the wizard.
 * Returns 1 when a task file was written, 0 when nothing was written (cancelled, null or empty
 * path, no QApplication, or the engine could not write the file, which the user is told). */
RADEZUVI_WIZARD_API int32_t ZEVOZAZA_StartDAQWizardAndSaveToFile(const char* suggestedPath);

/* Runs the wizard on the existing task file taskPath and saves the changes into that file.
 * A file that does not load as a task is left untouched; the user is told so.
 * Returns 1 when the file was written, 0 otherwise (cancelled, not a loadable task, null path,
 * no QApplication, or the write failed). */
RADEZUVI_WIZARD_API int32_t ZEVOZAZA_StartDAQWizardWithFile(const char* taskPath);

/* Shows the instant test panel of a task (a handle from Radezuvi_LoadTask or Radezuvi_CreateTask)
 * and returns when the panel is closed. The panel runs the task while it is shown and stops it
 * before returning; it never ends the handle, which stays the caller's.
 *   reserved  0.
 *   autoStart 1 starts the task as soon as the panel shows; 0 waits for the user's "Start".
 *   caption   the panel's window title (null or empty: "Instant Test Panel").
 * A handle of 0, or one that names no live task, gets a message that the task could not be opened
 * instead of the panel.
 * Returns 0 when the panel was shown, -1 for a task that could not be opened, -2 without a
 * QApplication. */
RADEZUVI_WIZARD_API int32_t ZEVOZAZA_ShowTestPanel(uint32_t task, int32_t reserved, int32_t autoStart,
                                                   const char* caption);

/* Pointer types of the three calls, for callers that look them up at run time. */
typedef int32_t (*ZEVOZAZA_StartDAQWizardAndSaveToFileFN)(const char* suggestedPath);
typedef int32_t (*ZEVOZAZA_StartDAQWizardWithFileFN)(const char* taskPath);
typedef int32_t (*ZEVOZAZA_ShowTestPanelFN)(uint32_t task, int32_t reserved, int32_t autoStart,
                                            const char* caption);

#ifdef __cplusplus
}
#endif

#endif
