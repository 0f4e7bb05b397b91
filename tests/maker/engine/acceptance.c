/* Acceptance check of the engine's C interface, compiled as C against the header alone: a
 * continuous acquisition on the virtual device reports its start, then delivers whole blocks of
 * the requested size for its one channel, and the task stops and ends cleanly. Nothing depends
 * on how fast the machine is: the program waits for blocks, not for a time. */
#include "radezuvi_engine.h"

#include <stdatomic.h>
#include <stdio.h>
#include <time.h>

#define RATE 100000.0
#define BLOCK 1000u
#define WANTED_BLOCKS 5
#define MAX_WAITS 60000 /* of 1 ms: a stalled engine fails instead of hanging */

typedef struct Tally {
    atomic_long samples;
    atomic_int blocks;
    atomic_int started;
    atomic_int badRecords;
    atomic_int eventsBeforeStart;
} Tally;

static int32_t countSamples(int32_t task, int32_t eventId, void* userValue, void* record) {
    Tally* tally = (Tally*)userValue;
    (void)task;
    if (eventId == RADEZUVI_EVENT_STARTED) {
        atomic_store(&tally->started, 1);
        return 1;
    }
    if (eventId >= RADEZUVI_EVENT_DATA && eventId <= RADEZUVI_EVENT_DATA_LAST) {
        const Radezuvi_AiRecord* block = (const Radezuvi_AiRecord*)record;
        if (!atomic_load(&tally->started)) {
            atomic_fetch_add(&tally->eventsBeforeStart, 1);
        }
        if (block->channelCount != 1 || block->sampleCount != BLOCK || block->data == NULL) {
            atomic_fetch_add(&tally->badRecords, 1);
        }
        atomic_fetch_add(&tally->samples, (long)block->sampleCount);
        atomic_fetch_add(&tally->blocks, 1);
        return 1;
    }
    return 0;
}

static int fail(const char* what) {
    fprintf(stderr, "acceptance: %s\n", what);
    return 1;
}

int main(void) {
    Tally tally;
    const struct timespec oneMillisecond = {0, 1000000};
    int waits = 0;
    long samples = 0;
    int blocks = 0;
    atomic_init(&tally.samples, 0);
    atomic_init(&tally.blocks, 0);
    atomic_init(&tally.started, 0);
    atomic_init(&tally.badRecords, 0);
    atomic_init(&tally.eventsBeforeStart, 0);
    Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1, 0, 1);
    if (task == 0) {
        return fail("no task on the virtual device");
    }
    if (Radezuvi_SetCallbackProc(task, countSamples, &tally) != RADEZUVI_OK ||
        Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, 804) != RADEZUVI_OK ||
        Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, RATE) != RADEZUVI_OK ||
        Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, BLOCK) != RADEZUVI_OK ||
        Radezuvi_EnableSingleChannel(task, 0) != RADEZUVI_OK) {
        return fail("settings refused");
    }
    Radezuvi_SetChannelPropertyEnum(task, 0, RADEZUVI_CHPROP_RANGE, 201);
    if (Radezuvi_Start(task) != RADEZUVI_OK) {
        return fail("start refused");
    }
    while (atomic_load(&tally.blocks) < WANTED_BLOCKS && waits++ < MAX_WAITS) {
        nanosleep(&oneMillisecond, NULL);
    }
    if (Radezuvi_Stop(task) != RADEZUVI_OK) {
        return fail("stop refused");
    }
    /* Stop has waited for the last callback, so the tally is complete and stays so. */
    if (Radezuvi_EndTask(task) != 1 || Radezuvi_EndTask(task) != 0) {
        return fail("end did not release the task exactly once");
    }
    samples = atomic_load(&tally.samples);
    blocks = atomic_load(&tally.blocks);
    printf("acceptance: %d blocks, %ld samples\n", blocks, samples);
    if (!atomic_load(&tally.started) || atomic_load(&tally.eventsBeforeStart) != 0) {
        return fail("no start event before the first block");
    }
    if (blocks < WANTED_BLOCKS) {
        return fail("the acquisition delivered too few blocks");
    }
    if (atomic_load(&tally.badRecords) != 0 || samples != (long)blocks * (long)BLOCK) {
        return fail("malformed block records");
    }
    return 0;
}
