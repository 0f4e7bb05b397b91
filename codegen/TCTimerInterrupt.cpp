/*
 * TCTimerInterrupt.cpp -- C reference code for the Radezuvi task engine: timer/counter, timer interrupt.
 *
 * Starts the timer of the task, counts the timer events delivered to a callback over three
 * intervals, stops it and prints the count.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c TCTimerInterrupt.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o TCTimerInterrupt
 * Run:
 *     ./TCTimerInterrupt [task folder]
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

/* How many timer ticks the program waits for. */
#define TICKS 3

/* What the callback gathers from the timer events. */
struct ticks {
    unsigned long events;
    unsigned long last_tick; /* tick count of the last event, counted from 1 */
};

/* Called by the engine on its own thread at every tick. The record is valid only during the
 * call. */
static int32_t on_event(int32_t task, int32_t event, void* user, void* record) {
    struct ticks* ticks = (struct ticks*)user;
    const Radezuvi_TimerRecord* tick = (const Radezuvi_TimerRecord*)record;

    (void)task;
    if (event == RADEZUVI_EVENT_STARTED)
        return 1;
    if (event != RADEZUVI_EVENT_TIMER)
        return 0;
    ticks->events += 1;
    if (tick != NULL)
        ticks->last_tick = tick->tickCount;
    return 1;
}

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

/* Starts the timer, waits for TICKS intervals (plus half of one), stops it and prints the
 * timer events received. */
static int run(Radezuvi_Handle task) {
    struct ticks ticks = {0, 0};
    int32_t interval, result;

    interval = Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_TIMER_INTERVAL);
    if (interval <= 0)
        return report("Radezuvi_GetPropertyI4 (timer interval)", interval);
    printf("Timer interval: %ld ms\n", (long)interval);
    result = Radezuvi_SetCallbackProc(task, on_event, &ticks);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_SetCallbackProc", result);
    result = Radezuvi_Start(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Start", result);
    pause_ms((unsigned long)interval * TICKS + (unsigned long)interval / 2);
    /* Stop returns after the last callback has returned: the count is complete. */
    result = Radezuvi_Stop(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Stop", result);
    printf("Received %lu timer events, last tick number %lu\n", ticks.events, ticks.last_tick);
    if (ticks.events == 0) {
        fprintf(stderr, "No timer event arrived.\n");
        return 1;
    }
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
