/*
 * AOCurrentOutput.cpp -- C reference code for the Radezuvi task engine: analog output, current update.
 *
 * Writes a short series of currents (milliamperes) to the enabled analog output channels and
 * prints each.
 *
 * The task is the task file named by TASK_NAME below, looked for in the task folder given as the
 * first argument, else in the current directory. Every engine call is checked; a failure is
 * printed on stderr and the program ends with exit status 1.
 *
 * Build (the file is C; "-x c" tells the compiler so whatever the file is called):
 *     cc -x c AOCurrentOutput.cpp -I<folder of radezuvi_engine.h> -L<folder of the engine library>
 *        -lradezuviengine -o AOCurrentOutput
 * Run:
 *     ./AOCurrentOutput [task folder]
 */
#include <stdio.h>
#include <stdlib.h>

#include "radezuvi_engine.h"

/* The task this program runs: the name of its task file without ".tsk". */
#define TASK_NAME "DaqTask"

/* The values written one after the other, in mA. */
static const double output_values[] = {4.0, 8.0, 12.0, 16.0, 20.0};
#define OUTPUT_COUNT (sizeof output_values / sizeof output_values[0])

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

/* Writes each value of output_values to every enabled channel and prints it. */
static int run(Radezuvi_Handle task) {
    size_t i;
    int32_t result;

    for (i = 0; i < OUTPUT_COUNT; ++i) {
        result = Radezuvi_AO_WriteChannel(task, output_values[i]);
        if (result != RADEZUVI_OK)
            return report("Radezuvi_AO_WriteChannel", result);
        printf("Wrote %7.3f mA to the enabled channels\n", output_values[i]);
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
