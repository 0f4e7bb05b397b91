/*
 * Radezuvi task engine: C interface.
 *
 * A task performs one operation (voltage polling, continuous acquisition, port read, counter...)
 * on one card. The usual sequence is: create a task for an operation code and a card, set task
 * and channel properties, set the callback (continuous operations), start, read or write, stop,
 * end. Every function may be called from any thread; callbacks run on the engine's own threads.
 *
 * Results: a task handle is nonzero, 0 meaning the task could not be created or loaded. Other
 * functions return 0 on success and one of the negative RADEZUVI_ERR_ codes below on error,
 * unless their comment says otherwise.
 *
 * Memory: lists handed out by the engine are released by the caller with the matching release
 * function named in each comment. Device names returned by GetTaskDeviceListFN belong to the
 * engine and stay valid for the life of the library.
 */
#ifndef RADEZUVI_ENGINE_H
#define RADEZUVI_ENGINE_H

#include <stdint.h>

#if defined(__GNUC__)
#define RADEZUVI_API __attribute__((visibility("default")))
#else
#define RADEZUVI_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Result codes --------------------------------------------------------------------------- */

#define RADEZUVI_OK 0
#define RADEZUVI_ERR_HANDLE (-1)      /* the handle names no live task (0, ended, never created)    */
#define RADEZUVI_ERR_PROPERTY (-2)    /* unknown property id, or one that cannot be set            */
#define RADEZUVI_ERR_VALUE (-3)       /* a property value or a written value the card refuses      */
#define RADEZUVI_ERR_CHANNEL (-4)     /* channel, line or port number beyond the card's            */
#define RADEZUVI_ERR_STATE (-5)       /* not allowed now: the task is running, or not configured   */
#define RADEZUVI_ERR_OPERATION (-6)   /* the task's operation does not offer this call             */
#define RADEZUVI_ERR_NO_DEVICE (-7)   /* the task's card is not installed in this machine          */
#define RADEZUVI_ERR_FAULT (-8)       /* the machine profile injected a failure here               */
#define RADEZUVI_ERR_RATE (-9)        /* sample or update rate missing, not positive or too high   */
#define RADEZUVI_ERR_ARGUMENT (-10)   /* a null pointer or an out-of-range argument                */
#define RADEZUVI_ERR_NO_CHANNEL (-11) /* the operation needs an enabled channel and has none       */
#define RADEZUVI_ERR_FILE (-12)       /* a file could not be read or written                       */
#define RADEZUVI_ERR_BUFFER (-13)     /* a pattern descriptor the task cannot take                 */
#define RADEZUVI_ERR_RESOURCE (-14)   /* the engine ran out of memory or threads                   */
#define RADEZUVI_ERR_INTERNAL (-15)   /* the engine failed inside the call                          */

/* ---- Operation codes (task property 4) ------------------------------------------------------ */

#define RADEZUVI_OP_AI_POLLING 0x10000
#define RADEZUVI_OP_AI_ONE_SHOT 0x10002
#define RADEZUVI_OP_AI_CONTINUOUS 0x10003
#define RADEZUVI_OP_AO_VOLTAGE 0x20000
#define RADEZUVI_OP_AO_CURRENT 0x20001
#define RADEZUVI_OP_AO_ONE_SHOT_WAVE 0x20002
#define RADEZUVI_OP_AO_CONTINUOUS_WAVE 0x20003
#define RADEZUVI_OP_AO_FUNCTION_GEN 0x20004
#define RADEZUVI_OP_DI_LINE 0x40000
#define RADEZUVI_OP_DI_PORT 0x40001
#define RADEZUVI_OP_DI_ONE_SHOT 0x40002
#define RADEZUVI_OP_DI_CONTINUOUS 0x40003
#define RADEZUVI_OP_DO_LINE 0x80000
#define RADEZUVI_OP_DO_PORT 0x80001
#define RADEZUVI_OP_DO_ONE_SHOT_PATTERN 0x80002
#define RADEZUVI_OP_DO_CONTINUOUS_PATTERN 0x80003
#define RADEZUVI_OP_TC_EVENT_COUNTER 0x100000
#define RADEZUVI_OP_TC_TIMER 0x100001
#define RADEZUVI_OP_TC_MODE_OPERATION 0x100002
#define RADEZUVI_OP_TC_INTERRUPT 0x100003

/* ---- Task properties ------------------------------------------------------------------------ */

#define RADEZUVI_PROP_OPERATION 4        /* read only: operation code                                */
#define RADEZUVI_PROP_DEVICE_TYPE 50     /* read only: card type code the task was created for       */
#define RADEZUVI_PROP_DEVICE_INDEX 51    /* read only: card number                                    */
#define RADEZUVI_PROP_INPUT_SOURCE 53    /* enum: 170 isolated ports, 171 TTL ports,                 */
                                         /*       175 load-cell inputs, 176 ordinary inputs          */
#define RADEZUVI_PROP_AI_RATE 102        /* F64: analog sample rate in samples per second per channel */
#define RADEZUVI_PROP_DIO_RATE 104       /* F64: digital update rate in samples per second           */
#define RADEZUVI_PROP_BLOCK_SIZE 105     /* U4: samples per channel in each data block, or the length */
                                         /*     of a pattern buffer; 0 = a tenth of the rate        */
#define RADEZUVI_PROP_TIMER_INTERVAL 251 /* U4: timer interval in milliseconds (default 1000)      */
#define RADEZUVI_PROP_CLOCK_SOURCE 500   /* enum: 804 internal sample clock (the default)            */

/* ---- Channel properties --------------------------------------------------------------------- */

#define RADEZUVI_CHPROP_ENABLED 50     /* bool: channel is in the enabled list                     */
#define RADEZUVI_CHPROP_RANGE 51       /* enum: 201..216 voltage ranges (201 = +/-10 V ... see     */
                                       /*       README), 250 0-20 mA, 251 4-20 mA, 252 5-25 mA     */
#define RADEZUVI_CHPROP_OUTPUT_KIND 53 /* enum: 350 voltage output                                 */
#define RADEZUVI_CHPROP_PORT_WIDTH 101 /* enum: 514 8-bit, 515 16-bit, 516 32-bit samples          */
#define RADEZUVI_CHPROP_WAVEFORM 200   /* enum: 400 sine, 401 square, 402 triangle, 403 sawtooth   */
#define RADEZUVI_CHPROP_FREQUENCY 201  /* F64: generator frequency in Hz (1 to 250000)             */
#define RADEZUVI_CHPROP_AMPLITUDE 202  /* F64: generator amplitude in volts (0 or more)            */
#define RADEZUVI_CHPROP_OFFSET 203     /* F64: generator offset in volts                           */
#define RADEZUVI_CHPROP_PHASE 204      /* F64: generator phase in degrees                          */
#define RADEZUVI_CHPROP_DUTY_CYCLE 205 /* F64: generator duty cycle in percent (0 to 100)          */

/* ---- Callback events and records ------------------------------------------------------------ */

#define RADEZUVI_EVENT_STARTED 2024      /* the task has started; record is null                     */
#define RADEZUVI_EVENT_DATA 2028         /* a block of input data is ready                           */
#define RADEZUVI_EVENT_DATA_OVERRUN 2029 /* a block is ready, and blocks before it were dropped     */
                                         /* because the callback had fallen more than 1 s behind   */
#define RADEZUVI_EVENT_DATA_LAST 2030    /* the last block of a one-shot acquisition                 */
#define RADEZUVI_EVENT_TIMER 2031        /* a timer tick; record is a Radezuvi_TimerRecord           */

/* Record of an analog-input data event. The samples of the enabled channels are interleaved in
 * the enabled-channel order; sampleCount counts every double at data. */
typedef struct Radezuvi_AiRecord {
    double* data;
    uint32_t sampleCount;
    uint32_t channelCount;
} Radezuvi_AiRecord;

/* Record of a digital-input data event: sampleCount samples of sampleWidth bits at data. */
typedef struct Radezuvi_DiRecord {
    uint32_t sampleCount;
    uint32_t port;
    uint32_t blockIndex;
    void* data;
    uint32_t sampleWidth;
} Radezuvi_DiRecord;

/* Record of a timer event: ticks since the task started, the first tick being 1. */
typedef struct Radezuvi_TimerRecord {
    uint32_t tickCount;
    uint32_t channel;
} Radezuvi_TimerRecord;

/* Pattern buffer of a pattern-generation task: sampleCount samples of sampleWidth bits at data;
 * capacity is the number of samples the buffer holds. */
typedef struct Radezuvi_PatternDescriptor {
    uint32_t sampleCount;
    uint32_t capacity;
    void* data;
    uint32_t sampleWidth;
} Radezuvi_PatternDescriptor;

/* Called on an engine thread. The first argument is the task handle; record points to the
 * event's record, valid only during the call. Return 1 for a known event, else 0. */
typedef int32_t (*Radezuvi_CallbackProc)(int32_t task, int32_t eventId, void* userValue, void* record);

typedef uint32_t Radezuvi_Handle;

/* ---- Tasks ---------------------------------------------------------------------------------- */

/* New task for an operation on card cardNumber of the card type typeCode (type code 1 is the
 * virtual device, card 0). openNow 1 opens the card at once, so the handle is 0 when the card is
 * missing or refuses; 0 opens it at the first hardware call (enable, config, start, read, write),
 * which then fails with RADEZUVI_ERR_NO_DEVICE or RADEZUVI_ERR_FAULT. */
RADEZUVI_API Radezuvi_Handle Radezuvi_CreateTask(int32_t operation, int32_t typeCode, int32_t cardNumber,
                                                 int32_t openNow);

/* Task from a task file (*.tsk). openNow as for Radezuvi_CreateTask: 0 only reads the file, so a
 * task of a card that is not installed can still be inspected. 0 for any file that is not a
 * complete, well-formed task file of a supported version, and for a task its card type cannot
 * perform (an operation it lacks, a channel beyond its own). */
RADEZUVI_API Radezuvi_Handle Radezuvi_LoadTask(const char* path, int32_t openNow);

/* Writes the task to a task file (replaced atomically). 0 or RADEZUVI_ERR_FILE. */
RADEZUVI_API int32_t Radezuvi_SaveTask(Radezuvi_Handle task, const char* path);

/* Description saved with the task (code-generation list element 2); at most 2047 bytes kept. */
RADEZUVI_API int32_t Radezuvi_SetTaskDescription(Radezuvi_Handle task, const char* text);

/* Copies the description into buffer (always terminated); returns its length as copied. */
RADEZUVI_API int32_t Radezuvi_GetTaskDescription(Radezuvi_Handle task, char* buffer, int32_t size);

/* Stops the task if it runs, waits for its last callback to return and releases it. Returns 1
 * when released, 0 for 0 or a handle already ended. */
RADEZUVI_API int32_t Radezuvi_EndTask(Radezuvi_Handle task);

/* ---- Properties and channels ---------------------------------------------------------------- */

/* Adds channel (or port, line, counter) to the enabled list, keeping the order of enabling. */
RADEZUVI_API int32_t Radezuvi_EnableSingleChannel(Radezuvi_Handle task, int32_t channel);

RADEZUVI_API int32_t Radezuvi_SetPropertyEnum(Radezuvi_Handle task, int32_t property, int32_t value);
RADEZUVI_API int32_t Radezuvi_SetPropertyU4(Radezuvi_Handle task, int32_t property, uint32_t value);
RADEZUVI_API int32_t Radezuvi_SetPropertyF64(Radezuvi_Handle task, int32_t property, double value);

/* The property's value (its default when never set), or a negative RADEZUVI_ERR_ code. */
RADEZUVI_API int32_t Radezuvi_GetPropertyI4(Radezuvi_Handle task, int32_t property);
RADEZUVI_API int32_t Radezuvi_GetPropertyF64(Radezuvi_Handle task, int32_t property, double* value);

RADEZUVI_API int32_t Radezuvi_SetChannelPropertyEnum(Radezuvi_Handle task, int32_t channel, int32_t property,
                                                     int32_t value);
RADEZUVI_API int32_t Radezuvi_SetChannelPropertyBool(Radezuvi_Handle task, int32_t channel, int32_t property,
                                                     int32_t value);
RADEZUVI_API int32_t Radezuvi_SetChannelPropertyF64(Radezuvi_Handle task, int32_t channel, int32_t property,
                                                    double value);
RADEZUVI_API int32_t Radezuvi_GetChannelPropertyBool(Radezuvi_Handle task, int32_t channel, int32_t property,
                                                     int32_t* value);
RADEZUVI_API int32_t Radezuvi_GetChannelPropertyF64(Radezuvi_Handle task, int32_t channel, int32_t property,
                                                    double* value);

/* Count of enabled channels (or a negative code); *list receives an array of that many channel
 * numbers, or null when there are none. Release it with Radezuvi_FreeChannelList (it comes from
 * malloc, so free() releases it as well). */
RADEZUVI_API int32_t Radezuvi_GetEnabledChannelList(Radezuvi_Handle task, uint16_t** list);
RADEZUVI_API void Radezuvi_FreeChannelList(uint16_t* list);

RADEZUVI_API int32_t Radezuvi_SetCallbackProc(Radezuvi_Handle task, Radezuvi_CallbackProc callback,
                                              void* userValue);

/* ---- Running -------------------------------------------------------------------------------- */

/* Checks the settings and prepares buffers; Start does it too when needed. */
RADEZUVI_API int32_t Radezuvi_Config(Radezuvi_Handle task);
RADEZUVI_API int32_t Radezuvi_Start(Radezuvi_Handle task);
/* Returns only after the task's last callback has returned; stopping a stopped task is 0. Called
 * from the task's own callback it only asks the task to stop after that callback. */
RADEZUVI_API int32_t Radezuvi_Stop(Radezuvi_Handle task);

/* ---- Single-point input and output ---------------------------------------------------------- */

/* Writes one value per enabled channel, in enabled-list order; values must have room for them. */
RADEZUVI_API int32_t Radezuvi_AI_ReadChannels(Radezuvi_Handle task, double* values);
/* Volts on a voltage task, milliamperes on a current task, to every enabled channel. */
RADEZUVI_API int32_t Radezuvi_AO_WriteChannel(Radezuvi_Handle task, double value);
/* Port tasks: the first enabled port. Line tasks: the first enabled line, as 0 or 1. */
RADEZUVI_API int32_t Radezuvi_DI_ReadPort(Radezuvi_Handle task, uint32_t* value);
RADEZUVI_API int32_t Radezuvi_DO_WritePort(Radezuvi_Handle task, uint32_t value);

/* Pattern tasks: describes the task's pattern buffer (allocated by Config from property 105 and
 * the width of channel property 101). reserved is 10. The buffer stays the task's and lasts until
 * its settings change or it ends. */
RADEZUVI_API int32_t Radezuvi_GetDOBuffer(Radezuvi_Handle task, Radezuvi_PatternDescriptor* descriptor,
                                          int32_t reserved);
/* Takes the pattern to play: the task's own buffer or any buffer of at most 16 Mi samples. */
RADEZUVI_API int32_t Radezuvi_SetDOPattern(Radezuvi_Handle task,
                                           const Radezuvi_PatternDescriptor* descriptor);

/* Counter tasks: events counted since Start (frozen by Stop). */
RADEZUVI_API int32_t Radezuvi_TC_GetValue(Radezuvi_Handle task, uint32_t* count);

/* ---- Machine -------------------------------------------------------------------------------- */

/* Replaces the installed cards with those of a machine profile. Returns the number of problem
 * lines reported on stderr, or RADEZUVI_ERR_FILE (the machine then holds the virtual device
 * only). Tasks already created keep their cards. */
RADEZUVI_API int32_t Radezuvi_UseMachineProfile(const char* path);

/* ---- Device list ---------------------------------------------------------------------------- */

/* index -1: the decimal number of device entries; index >= 0: that entry's device name. The
 * first three arguments are reserved (0). Returns the length written, or a negative code. */
RADEZUVI_API int32_t GetZizevDeviceInfoStringFN(int32_t reserved1, int32_t reserved2, int32_t reserved3,
                                                int32_t index, char* buffer, int32_t size);

/* Device name of entry (engine-owned, never released), or null past the end; *cardCount receives
 * the number of installed cards of the entry. scope is reserved (-1). */
RADEZUVI_API const char* GetTaskDeviceListFN(int32_t scope, int32_t entry, int32_t* cardCount);

/* Card number of installed card cardIndex of entry, or a negative code. */
RADEZUVI_API int32_t GetInstalledCardIDFN(int32_t entry, int32_t cardIndex);

/* Entry index of a device name (whole, case-sensitive match), or a negative code. flag is
 * reserved (1). */
RADEZUVI_API int32_t GetDeviceIndexFromNameFN(const char* name, int32_t flag);

/* Type code of an entry (the head code of a sub-type group), or a negative code. */
RADEZUVI_API int32_t GetAllDeviceTypeFromDeviceIndexFN(int32_t entry);

/* Entry index of the device of a type code (any code of a sub-type group), or a negative code. */
RADEZUVI_API int32_t GetDeviceIndexFromAllDeviceTypeIDFN(int32_t typeCode);

/* ---- Code-generation list ------------------------------------------------------------------- */

typedef struct Radezuvi_CodeGenList Radezuvi_CodeGenList;

/* The code-generation list of a task file, or null. Release it with FreeCodeGenListFN.
 * Elements: 0 device name; 1 enabled channels (item i: the i-th channel number); 2 description;
 * 3 task properties (item i: "id=value"). */
RADEZUVI_API Radezuvi_CodeGenList* CodeGenLoadFromFileFN(const char* path);

/* Copies item of element into buffer, cut to size - 1 bytes and terminated; returns the number of
 * bytes copied, or a negative code when the list, element or item does not exist. */
RADEZUVI_API int32_t GetCodeGenElementFN(Radezuvi_CodeGenList* list, int32_t element, int32_t item,
                                         char* buffer, int32_t size);

RADEZUVI_API void FreeCodeGenListFN(Radezuvi_CodeGenList* list);

#ifdef __cplusplus
}
#endif

#endif
