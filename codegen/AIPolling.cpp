/*
 * AIPolling.cpp -- C reference code for the Radezuvi task engine: analog input, voltage polling.
 *
 * Reads every enabled analog input channel of the task a few times, one value per channel at
 * each reading, and prints the voltages.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c AIPolling.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o AIPolling
 * Run:
 *     ./AIPolling [task folder]
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

/* How many times every enabled channel is read, and the time between two readings. */
#define READINGS 5
#define INTERVAL_MS 100

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

/* The enabled channels of the task; returns their count (0 on error) and sets *list, which the
 * caller releases with Radezuvi_FreeChannelList. */
static int enabled_channels(Radezuvi_Handle task, uint16_t** list) {
    int32_t count = Radezuvi_GetEnabledChannelList(task, list);
    if (count <= 0) {
        fprintf(stderr, "The task has no enabled channel (%ld).\n", (long)count);
        return 0;
    }
    return (int)count;
}

/* Reads every enabled channel READINGS times and prints the voltages. */
static int run(Radezuvi_Handle task) {
    uint16_t* channels = NULL;
    double* values;
    int count = enabled_channels(task, &channels);
    int reading, i;
    int32_t result;

    if (count == 0)
        return 1;
    values = (double*)malloc((size_t)count * sizeof *values);
    if (values == NULL) {
        Radezuvi_FreeChannelList(channels);
        return report("malloc", 0);
    }
    for (reading = 1; reading <= READINGS; ++reading) {
        /* One value per enabled channel, in the order of the enabled-channel list. */
        result = Radezuvi_AI_ReadChannels(task, values);
        if (result != RADEZUVI_OK)
            break;
        printf("Reading %d:", reading);
        for (i = 0; i < count; ++i)
            printf("  AI%u = %8.4f V", (unsigned)channels[i], values[i]);
        printf("\n");
        if (reading < READINGS)
            pause_ms(INTERVAL_MS);
    }
    free(values);
    Radezuvi_FreeChannelList(channels);
    return result == RADEZUVI_OK ? 0 : report("Radezuvi_AI_ReadChannels", result);
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
