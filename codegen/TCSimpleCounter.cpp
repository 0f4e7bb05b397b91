/*
 * TCSimpleCounter.cpp -- C reference code for the Radezuvi task engine: timer/counter, simple event counter.
 *
 * Starts the event counter of the task, prints the events counted every 200 ms, stops it and
 * prints the final count.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c TCSimpleCounter.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o TCSimpleCounter
 * Run:
 *     ./TCSimpleCounter [task folder]
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

/* How many times the count is read, and the time between two readings. */
#define READINGS 5
#define INTERVAL_MS 200

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

/* Starts counting, prints the count READINGS times, stops and prints the final count. */
static int run(Radezuvi_Handle task) {
    uint32_t count = 0;
    int reading;
    int32_t result;

    result = Radezuvi_Start(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Start", result);
    for (reading = 1; reading <= READINGS; ++reading) {
        pause_ms(INTERVAL_MS);
        result = Radezuvi_TC_GetValue(task, &count);
        if (result != RADEZUVI_OK)
            return report("Radezuvi_TC_GetValue", result);
        printf("Reading %d: count = %lu\n", reading, (unsigned long)count);
    }
    /* Stop freezes the count. */
    result = Radezuvi_Stop(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Stop", result);
    result = Radezuvi_TC_GetValue(task, &count);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_TC_GetValue", result);
    printf("Final count: %lu\n", (unsigned long)count);
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
