/* Acceptance check of the engine's C interface, compiled as C against the header alone: one
 * second of continuous acquisition on the virtual device at 100 kS/s delivers 100 000 samples
 * give or take 5 %, and the task stops and ends cleanly. */
#include "radezuvi_engine.h"

#include <stdio.h>
#include <time.h>

#define RATE 100000.0
#define BLOCK 1000u

typedef struct Tally {
    long samples;
    int started;
    int badRecords;
} Tally;

static int32_t countSamples(int32_t task, int32_t eventId, void* userValue, void* record) {
    Tally* tally = (Tally*)userValue;
    (void)task;
    if (eventId == RADEZUVI_EVENT_STARTED) {
        tally->started = 1;
        return 1;
    }
    if (eventId >= RADEZUVI_EVENT_DATA && eventId <= RADEZUVI_EVENT_DATA_LAST) {
        const Radezuvi_AiRecord* block = (const Radezuvi_AiRecord*)record;
        if (block->channelCount != 1 || block->sampleCount != BLOCK || block->data == NULL) {
            tally->badRecords++;
        }
        tally->samples += (long)block->sampleCount;
        return 1;
    }
    return 0;
}

static int fail(const char* what) {
    fprintf(stderr, "acceptance: %s\n", what);
    return 1;
}

int main(void) {
    Tally tally = {0, 0, 0};
    const struct timespec oneSecond = {1, 0};
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
    nanosleep(&oneSecond, NULL);
    if (Radezuvi_Stop(task) != RADEZUVI_OK) {
        return fail("stop refused");
    }
    /* Stop has waited for the last callback, so the tally is complete and stays so. */
    if (Radezuvi_EndTask(task) != 1 || Radezuvi_EndTask(task) != 0) {
        return fail("end did not release the task exactly once");
    }
    printf("acceptance: %ld samples in one second\n", tally.samples);
    if (!tally.started || tally.badRecords != 0) {
        return fail("missing start event or malformed records");
    }
    if (tally.samples < 95000 || tally.samples > 105000) {
        return fail("sample count outside 100000 +/- 5 %");
    }
    return 0;
}
