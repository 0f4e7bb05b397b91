/*
 * DOContinuous.cpp -- C reference code for the Radezuvi task engine: digital output, continuous pattern
 * generation.
 *
 * Fills the pattern buffer of the task with a counting pattern and plays it continuously on the
 * first enabled digital output port for one second.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c DOContinuous.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o DOContinuous
 * Run:
 *     ./DOContinuous [task folder]
 */
#if !defined(_WIN32) && !defined(_POSIX_C_SOURCE)
#define _POSIX_C_SOURCE 200809L /* nanosleep */
#endif

#include <stdio.h>
#include <stdlib.h>

#include "radezuvi_engine.h"

/* The task this program runs: the name of its task file without ".tsk". */
#define TASK_NAME "DaqTask"

#ifdef _WIN32
#include <windows.h>
/* Waits the given number of milliseconds. */
static void pause_ms(unsigned long ms) {
    Sleep((DWORD)ms);
}
#else
#include <time.h>
/* Waits the given number of milliseconds. */
static void pause_ms(unsigned long ms) {
    struct timespec wait;
    wait.tv_sec = (time_t)(ms / 1000);
    wait.tv_nsec = (long)(ms % 1000) * 1000000L;
    while (nanosleep(&wait, &wait) != 0)
        ;
}
#endif

/* How long the pattern is played. */
#define RUN_MS 1000

/* Prints what failed and returns the program's failure status. */
static int report(const char* call, int32_t result) {
    fprintf(stderr, "%s failed with error %ld\n", call, (long)result);
    return 1;
}

/* Loads "<folder>/TASK_NAME.tsk" with its card opened; 0 when that is not possible. */
static Radezuvi_Handle load_task(int argc, char** argv) {
    const char* folder = argc > 1 ? argv[1] : ".";
    char path[4096];
    int length = snprintf(path, sizeof path, "%s/%s.tsk", folder, TASK_NAME);
    Radezuvi_Handle task;

    if (length < 0 || (size_t)length >= sizeof path) {
        fprintf(stderr, "The task path is too long.\n");
        return 0;
    }
    task = Radezuvi_LoadTask(path, 1);
    if (task == 0)
        fprintf(stderr,
                "Cannot load the task \"%s\": the file is missing or is no task file, or its card is not "
                "installed.\n",
                path);
    else
        printf("Task \"%s\" loaded from %s\n", TASK_NAME, path);
    return task;
}

/* Fills the task's pattern buffer with a counting pattern and hands it back to the task. */
static int load_pattern(Radezuvi_Handle task, Radezuvi_PatternDescriptor* pattern) {
    uint32_t i;
    int32_t result;

    /* The buffer belongs to the task; it is sized by the buffer length and the port width. */
    result = Radezuvi_GetDOBuffer(task, pattern, 10);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_GetDOBuffer", result);
    for (i = 0; i < pattern->sampleCount; ++i) {
        switch (pattern->sampleWidth) {
        case 8:
            ((uint8_t*)pattern->data)[i] = (uint8_t)i;
            break;
        case 16:
            ((uint16_t*)pattern->data)[i] = (uint16_t)i;
            break;
        default:
            ((uint32_t*)pattern->data)[i] = i;
            break;
        }
    }
    result = Radezuvi_SetDOPattern(task, pattern);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_SetDOPattern", result);
    printf("Pattern of %lu samples of %lu bits: 0, 1, 2, ...\n", (unsigned long)pattern->sampleCount,
           (unsigned long)pattern->sampleWidth);
    return 0;
}

/* Plays the pattern over and over for RUN_MS milliseconds and stops. */
static int run(Radezuvi_Handle task) {
    Radezuvi_PatternDescriptor pattern;
    int32_t result;

    if (load_pattern(task, &pattern) != 0)
        return 1;
    result = Radezuvi_Start(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Start", result);
    printf("Playing the pattern for %d ms...\n", RUN_MS);
    pause_ms(RUN_MS);
    result = Radezuvi_Stop(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Stop", result);
    printf("Pattern output stopped\n");
    return 0;
}

int main(int argc, char** argv) {
    Radezuvi_Handle task = load_task(argc, argv);
    int status;

    if (task == 0)
        return 1;
    status = run(task);
    /* Ending the task stops it if it still runs and releases it. */
    Radezuvi_EndTask(task);
    return status;
}
