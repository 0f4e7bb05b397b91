/*
 * DIContinuous.cpp -- C reference code for the Radezuvi task engine: digital input, continuous pattern
 * acquisition.
 *
 * Runs a continuous acquisition on the first enabled digital input port for one second,
 * receiving the data in a callback, and prints the first samples and the last one.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c DIContinuous.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o DIContinuous
 * Run:
 *     ./DIContinuous [task folder]
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

/* How long the acquisition runs. */
#define RUN_MS 1000

/* What the callback gathers from the data blocks. */
struct acquisition {
    unsigned long blocks;
    unsigned long samples;
    int last_block_seen; /* a one-shot acquisition has delivered its last block */
    uint32_t width;      /* bits per sample */
    uint32_t first[4];   /* the first samples received */
    unsigned long first_count;
    uint32_t last; /* the last sample received */
};

/* One sample of a block of sampleWidth-bit samples. */
static uint32_t sample_at(const Radezuvi_DiRecord* block, uint32_t i) {
    switch (block->sampleWidth) {
    case 8:
        return ((const uint8_t*)block->data)[i];
    case 16:
        return ((const uint16_t*)block->data)[i];
    default:
        return ((const uint32_t*)block->data)[i];
    }
}

/* Called by the engine on its own thread for every event of the task. The record is valid only
 * during the call, so the callback takes what it needs and returns quickly. */
static int32_t on_event(int32_t task, int32_t event, void* user, void* record) {
    struct acquisition* acq = (struct acquisition*)user;
    const Radezuvi_DiRecord* block = (const Radezuvi_DiRecord*)record;
    uint32_t i;

    (void)task;
    if (event == RADEZUVI_EVENT_STARTED)
        return 1;
    if (event != RADEZUVI_EVENT_DATA && event != RADEZUVI_EVENT_DATA_OVERRUN &&
        event != RADEZUVI_EVENT_DATA_LAST)
        return 0;
    if (block == NULL || block->data == NULL)
        return 1;
    acq->width = block->sampleWidth;
    for (i = 0; i < block->sampleCount; ++i) {
        uint32_t value = sample_at(block, i);
        if (acq->first_count < 4)
            acq->first[acq->first_count++] = value;
        acq->last = value;
    }
    acq->samples += block->sampleCount;
    acq->blocks += 1;
    if (event == RADEZUVI_EVENT_DATA_LAST)
        acq->last_block_seen = 1;
    return 1;
}

/* Prints what was acquired: blocks, samples, the first samples and the last one. */
static void print_acquisition(const struct acquisition* acq) {
    unsigned long i;

    printf("Received %lu blocks, %lu samples of %lu bits\n", acq->blocks, acq->samples,
           (unsigned long)acq->width);
    printf("  first samples:");
    for (i = 0; i < acq->first_count; ++i)
        printf(" 0x%08lX", (unsigned long)acq->first[i]);
    printf("\n  last sample: 0x%08lX\n", (unsigned long)acq->last);
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

/* Runs the acquisition for RUN_MS milliseconds, stops it and prints what was received. */
static int run(Radezuvi_Handle task) {
    static struct acquisition acq; /* zero-initialised */
    int32_t result;

    result = Radezuvi_SetCallbackProc(task, on_event, &acq);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_SetCallbackProc", result);
    result = Radezuvi_Start(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Start", result);
    printf("Acquiring for %d ms...\n", RUN_MS);
    pause_ms(RUN_MS);
    /* Stop returns after the last callback has returned: the results are complete. */
    result = Radezuvi_Stop(task);
    if (result != RADEZUVI_OK)
        return report("Radezuvi_Stop", result);
    print_acquisition(&acq);
    if (acq.blocks == 0) {
        fprintf(stderr, "No data block arrived.\n");
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
